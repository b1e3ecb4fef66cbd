#pragma once
// Every text the worksheet window shows in its boxes: titles and messages, in one place so the
// window and the tests use the very same words. (The save-name rules and their messages are in
// save_name.h, shared with the batch command.)

namespace abacore {

namespace WorksheetText {

inline constexpr const char* kCaption = "Abacore -Drill-  Worksheet";
inline constexpr const char* kOopsTitle = "Oops!";

inline constexpr const char* kNameSavedFileTitle = "Name Saved File";
inline constexpr const char* kNameSavedFile = "What would you like to call this file?";
inline constexpr const char* kFileNameField = "File name";

inline constexpr const char* kConfirmPrintTitle = "Confirm Print";
inline constexpr const char* kConfirmPrint = "Print this worksheet?";
inline constexpr const char* kPrintAnswerKey = "Print Answer Key?"; // title and question
inline constexpr const char* kWorksheetNotPrinted =
    "The worksheet could not be printed. Please check the printer and try again.";
inline constexpr const char* kAnswerKeyNotPrinted =
    "The answer key could not be printed. Please check the printer and try again.";

inline constexpr const char* kAnswerKeyTitle = "Answer Key?";
inline constexpr const char* kSendAnswerKey = "Send Answer Key to Word Processor as well?";
// %1: the word processor's path; %2: where the worksheets folder is, in words.
inline constexpr const char* kWordProcessorNotStarted =
    "The word processor \"%1\" could not be started. The worksheet is saved in %2.";

inline constexpr const char* kExportPdfTitle = "Export PDF";
inline constexpr const char* kPdfFilter = "PDF files (*.pdf)";
inline constexpr const char* kAddAnswerKeyToPdf = "Add the answer key to the PDF as well?";
inline constexpr const char* kPdfNotWritten = "The PDF could not be written. %1"; // the reason
inline constexpr const char* kPdfSavedTitle = "PDF Saved";
inline constexpr const char* kPdfSaved = "The worksheet has been saved as \"%1\"."; // the path

inline constexpr const char* kExportWebTitle = "Export Web Page";
inline constexpr const char* kExportWebCommand = "Export &Web Page...";
inline constexpr const char* kWebFilter = "Web pages (*.html)";
inline constexpr const char* kWebNotWritten = "The web page could not be written. %1"; // reason
inline constexpr const char* kWebSavedTitle = "Web Page Saved";
// %1: the path.
inline constexpr const char* kWebSaved =
    "The worksheet has been saved as the web page \"%1\". Pupils open it in a browser, answer "
    "and check their answers. It holds the problems as they were made: edits made to the sheet "
    "on screen are not in it.";

inline constexpr const char* kDiscardTitle = "Discard Changes?";
inline constexpr const char* kDiscard =
    "Your changes to this worksheet have not been saved. Discard them?";

} // namespace WorksheetText

} // namespace abacore
