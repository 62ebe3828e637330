// A Dialogs implementation for tests: records every call and answers from a queue of
// prepared answers. With an empty queue: input boxes are cancelled, confirmations
// answered "No", file dialogs and the print dialog cancelled.
#pragma once

#include <QPrinter>
#include <deque>
#include <memory>
#include <vector>

#include "core/non_copyable.h"
#include "ui/common/dialogs.h"

namespace testsupport {

enum class DialogKind { Message, Input, Confirm, OpenFile, SaveFile, Print };

struct DialogCall {
    DialogKind kind;
    QString caption;
    QString text;               // message text, input prompt or confirmation question
    QString proposed;           // input: proposed text; file dialogs: proposed file name
    FileDialogRequest request;  // file dialogs only
};

// One prepared answer. Kinds must match the call that consumes it (checked by tests
// through Calls(); a mismatch is recorded as a failure of the test by ADD_FAILURE).
struct DialogAnswer {
    DialogKind kind;
    bool ok = true;
    QString text;           // input text or chosen file name
    int filterIndex = 1;    // file dialogs
    QString printerOutput;  // print: PDF file the printer writes to
};

class ScriptedDialogs : public Dialogs {
  public:
    void Message(const QString& caption, const QString& text, QWidget* parent = nullptr) override;
    InputAnswer Input(const QString& caption, const QString& prompt, const QString& proposed,
                      QWidget* parent = nullptr) override;
    bool Confirm(const QString& caption, const QString& text, QWidget* parent = nullptr) override;
    FileDialogAnswer OpenFile(const FileDialogRequest& request, QWidget* parent = nullptr) override;
    FileDialogAnswer SaveFile(const FileDialogRequest& request, QWidget* parent = nullptr) override;
    std::unique_ptr<QPrinter> Print(const QString& caption = QString(),
                                    QWidget* parent = nullptr) override;

    // Prepared answers, consumed in order.
    void AnswerInput(const QString& text, bool ok = true);
    void AnswerConfirm(bool yes);
    void AnswerOpenFile(const QString& fileName, int filterIndex = 1);
    void AnswerSaveFile(const QString& fileName, int filterIndex = 1);
    void AnswerPrint(const QString& pdfPath);  // a PDF printer writing to this file
    void CancelNext(DialogKind kind);          // the next dialog of this kind is cancelled

    const std::vector<DialogCall>& Calls() const { return calls_; }
    std::vector<DialogCall> CallsOf(DialogKind kind) const;
    // The message boxes shown, as "caption|text" (handy for EXPECT_THAT).
    QStringList Messages() const;
    size_t PendingAnswers() const { return answers_.size(); }
    void Clear();

  private:
    bool Take(DialogKind kind, DialogAnswer& answer);
    std::vector<DialogCall> calls_;
    std::deque<DialogAnswer> answers_;
};

// Installs a ScriptedDialogs for the lifetime of the object and restores the previous one.
class ScopedScriptedDialogs : NonCopyable {
  public:
    ScopedScriptedDialogs();
    ~ScopedScriptedDialogs();
    ScriptedDialogs& operator*() { return dialogs_; }
    ScriptedDialogs* operator->() { return &dialogs_; }
    ScriptedDialogs& get() { return dialogs_; }

  private:
    ScriptedDialogs dialogs_;
    Dialogs* previous_;
};

}  // namespace testsupport
