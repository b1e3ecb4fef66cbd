#pragma once
// Every message box, input box, file dialog, print dialog, beep and program start goes through
// this interface, so windows never block a test: the tests script the answers instead.

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QWidget;
class QPrinter;

namespace abacore {

// The answer a question gives on Return. A question that replaces or discards the teacher's work
// defaults to No, so a hasty Return keeps it.
enum class DefaultAnswer { Yes, No };

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A message with one OK button.
    virtual void message(QWidget* parent, const QString& title, const QString& text) = 0;
    // A Yes/No question; true for Yes. Escape answers No.
    virtual bool question(QWidget* parent, const QString& title, const QString& text,
                          DefaultAnswer preselected) = 0;
    // An input box; nullopt when cancelled. Its field is read out by `fieldName` (what it sets),
    // the prompt after it.
    virtual std::optional<QString> input(QWidget* parent, const QString& title,
                                         const QString& prompt, const QString& defaultText,
                                         const QString& fieldName) = 0;
    // File-open dialog; nullopt when cancelled. filter in Qt's form ("Programs (*)").
    virtual std::optional<QString> openFile(QWidget* parent, const QString& title,
                                            const QString& filter, const QString& startFolder) = 0;
    // File-save dialog; nullopt when cancelled.
    virtual std::optional<QString> saveFile(QWidget* parent, const QString& title,
                                            const QString& filter,
                                            const QString& suggestedPath) = 0;
    // The print dialog on `printer`; true to print.
    virtual bool choosePrinter(QWidget* parent, QPrinter& printer) = 0;
    // The print preview; `paint` renders the pages on the printer it is given.
    virtual void printPreview(QWidget* parent, QPrinter& printer,
                              const std::function<void(QPrinter*)>& paint) = 0;
    virtual void beep() = 0;
    // Starts a program without waiting for it; false when it cannot be started.
    virtual bool startDetached(const QString& program, const QStringList& arguments) = 0;
};

// The real dialogs, on Qt's widgets.
class QtDialogs final : public Dialogs {
public:
    void message(QWidget* parent, const QString& title, const QString& text) override;
    bool question(QWidget* parent, const QString& title, const QString& text,
                  DefaultAnswer preselected) override;
    std::optional<QString> input(QWidget* parent, const QString& title, const QString& prompt,
                                 const QString& defaultText, const QString& fieldName) override;
    std::optional<QString> openFile(QWidget* parent, const QString& title, const QString& filter,
                                    const QString& startFolder) override;
    std::optional<QString> saveFile(QWidget* parent, const QString& title, const QString& filter,
                                    const QString& suggestedPath) override;
    bool choosePrinter(QWidget* parent, QPrinter& printer) override;
    void printPreview(QWidget* parent, QPrinter& printer,
                      const std::function<void(QPrinter*)>& paint) override;
    void beep() override;
    bool startDetached(const QString& program, const QStringList& arguments) override;
};

} // namespace abacore
