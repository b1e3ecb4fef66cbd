#pragma once
// A Dialogs double for window tests: records everything shown and answers from queues.
// An unscripted question or input fails the test rather than blocking it.

#include "ui/dialogs.h"

#include <QPrinter>
#include <QString>
#include <deque>
#include <gtest/gtest.h>
#include <vector>

struct ShownDialog {
    QString kind; // "message", "question", "input", "openFile", "saveFile", "print", "preview",
                  // "beep", "start"
    QString title;
    QString text;
    QStringList arguments; // for "start": program first, then its arguments
};

class ScriptedDialogs final : public Dialogs {
public:
    std::vector<ShownDialog> shown;
    std::deque<bool> answers;                  // questions: true = Yes
    std::deque<std::optional<QString>> inputs; // input boxes
    std::deque<std::optional<QString>> files;  // open and save dialogs
    std::deque<QString> printToPdf;            // print dialog: print into this PDF file;
                                               // an empty queue means Cancel
    bool startSucceeds = true;
    bool reallyStart = false; // start the program for real (detached)

    void message(QWidget*, const QString& title, const QString& text) override {
        shown.push_back({"message", title, text, {}});
    }
    bool question(QWidget*, const QString& title, const QString& text) override {
        shown.push_back({"question", title, text, {}});
        if (answers.empty()) {
            ADD_FAILURE() << "Unscripted question: " << title.toStdString();
            return false;
        }
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }
    std::optional<QString> input(QWidget*, const QString& title, const QString& prompt,
                                 const QString& defaultText) override {
        shown.push_back({"input", title, prompt, {defaultText}});
        if (inputs.empty()) {
            ADD_FAILURE() << "Unscripted input box: " << title.toStdString();
            return std::nullopt;
        }
        return takeFront(inputs);
    }
    std::optional<QString> openFile(QWidget*, const QString& title, const QString& filter,
                                    const QString& startFolder) override {
        shown.push_back({"openFile", title, filter, {startFolder}});
        return nextFile();
    }
    std::optional<QString> saveFile(QWidget*, const QString& title, const QString& filter,
                                    const QString& suggested) override {
        shown.push_back({"saveFile", title, filter, {suggested}});
        return nextFile();
    }
    bool choosePrinter(QWidget*, QPrinter& printer) override {
        shown.push_back({"print", {}, {}, {}});
        if (printToPdf.empty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printToPdf.front());
        printToPdf.pop_front();
        return true;
    }
    void printPreview(QWidget*, QPrinter& printer,
                      const std::function<void(QPrinter*)>& paint) override {
        shown.push_back({"preview", {}, {}, {}});
        paint(&printer);
    }
    void beep() override { shown.push_back({"beep", {}, {}, {}}); }
    bool startDetached(const QString& program, const QStringList& arguments) override;

    // The shown dialogs of one kind, for short assertions.
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
    // Spelled out rather than copying the optional: g++ 12 warns falsely on that copy.
    static std::optional<QString> takeFront(std::deque<std::optional<QString>>& queue) {
        const bool has = queue.front().has_value();
        const QString value = has ? *queue.front() : QString();
        queue.pop_front();
        if (!has)
            return std::nullopt;
        return value;
    }
    std::optional<QString> nextFile() {
        if (files.empty())
            return std::nullopt;
        return takeFront(files);
    }
};

#include <QProcess>
inline bool ScriptedDialogs::startDetached(const QString& program, const QStringList& arguments) {
    QStringList all{program};
    all << arguments;
    shown.push_back({"start", {}, {}, all});
    if (reallyStart)
        return QProcess::startDetached(program, arguments);
    return startSucceeds;
}
