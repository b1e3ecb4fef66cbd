#pragma once
// A Dialogs double for window tests: records everything shown and answers from queues.
// An unscripted question or input fails the test rather than blocking it.

#include "ui/dialogs.h"

#include <QPrinter>
#include <QString>
#include <deque>
#include <gtest/gtest.h>
#include <vector>

namespace abacore {

struct ShownDialog {
    QString kind; // "message", "question", "input", "openFile", "saveFile", "print", "preview",
                  // "beep", "start"
    QString title;
    QString text;
    QStringList arguments; // for "start": program first, then its arguments
    DefaultAnswer preselected = DefaultAnswer::Yes; // for "question"
};

class ScriptedDialogs final : public Dialogs {
public:
    std::vector<ShownDialog> shown;
    std::deque<bool> answers;                  // questions: true = Yes
    std::deque<std::optional<QString>> inputs; // input boxes
    std::deque<std::optional<QString>> files;  // open and save dialogs
    std::deque<QString> printToPdf; // print dialog: print into this PDF file; empty means Cancel
    QString previewToPdf;           // print preview: draw the pages into this PDF file
    bool startSucceeds = true;

    void message(QWidget*, const QString& title, const QString& text) override {
        shown.push_back({"message", title, text, {}});
    }
    bool question(QWidget*, const QString& title, const QString& text,
                  DefaultAnswer preselected) override {
        shown.push_back({"question", title, text, {}, preselected});
        EXPECT_FALSE(answers.empty()) << "Unscripted question: " << title.toStdString();
        return !answers.empty() && take(answers);
    }
    std::optional<QString> input(QWidget*, const QString& title, const QString& prompt,
                                 const QString& defaultText, const QString&) override {
        shown.push_back({"input", title, prompt, {defaultText}});
        EXPECT_FALSE(inputs.empty()) << "Unscripted input box: " << title.toStdString();
        return inputs.empty() ? std::nullopt : take(inputs);
    }
    std::optional<QString> openFile(QWidget*, const QString& title, const QString& filter,
                                    const QString& startFolder) override {
        shown.push_back({"openFile", title, filter, {startFolder}});
        return files.empty() ? std::nullopt : take(files);
    }
    std::optional<QString> saveFile(QWidget*, const QString& title, const QString& filter,
                                    const QString& suggested) override {
        shown.push_back({"saveFile", title, filter, {suggested}});
        return files.empty() ? std::nullopt : take(files);
    }
    bool choosePrinter(QWidget*, QPrinter& printer) override {
        shown.push_back({"print", {}, {}, {}});
        if (printToPdf.empty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(take(printToPdf));
        return true;
    }
    void printPreview(QWidget*, QPrinter& printer,
                      const std::function<void(QPrinter*)>& paint) override {
        shown.push_back({"preview", {}, {}, {}});
        if (!previewToPdf.isEmpty()) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(previewToPdf);
        }
        paint(&printer);
    }
    void beep() override { shown.push_back({"beep", {}, {}, {}}); }
    bool startDetached(const QString& program, const QStringList& arguments) override {
        shown.push_back({"start", {}, {}, QStringList{program} + arguments});
        return startSucceeds;
    }

    // The shown dialogs of one kind, and the titles of messages and questions.
    std::vector<ShownDialog> ofKind(const QString& kind) const {
        std::vector<ShownDialog> out;
        for (const auto& d : shown)
            if (d.kind == kind)
                out.push_back(d);
        return out;
    }
    QStringList titles() const {
        QStringList out;
        for (const auto& d : shown)
            if (d.kind == "message" || d.kind == "question")
                out << d.title;
        return out;
    }

private:
    template <typename T> static T take(std::deque<T>& queue) {
        T value = std::move(queue.front());
        queue.pop_front();
        return value;
    }
};

} // namespace abacore
