#include "support/ui/scripted_dialogs.h"

#include <gtest/gtest.h>

namespace testsupport {

namespace {

const char* KindName(DialogKind kind) {
    static const char* const names[] = {"Message",  "Input",    "Confirm",
                                        "OpenFile", "SaveFile", "Print"};
    return names[static_cast<int>(kind)];
}

}  // namespace

bool ScriptedDialogs::Take(DialogKind kind, DialogAnswer& answer) {
    if (answers_.empty()) return false;
    if (answers_.front().kind != kind) {
        ADD_FAILURE() << "scripted dialogs: a " << KindName(kind)
                      << " dialog was shown while the next prepared "
                      << "answer is for a " << KindName(answers_.front().kind) << " dialog";
        return false;
    }
    answer = answers_.front();
    answers_.pop_front();
    return true;
}

void ScriptedDialogs::Message(const QString& caption, const QString& text, QWidget*) {
    calls_.push_back({DialogKind::Message, caption, text, QString(), {}});
}

InputAnswer ScriptedDialogs::Input(const QString& caption, const QString& prompt,
                                   const QString& proposed, QWidget*) {
    calls_.push_back({DialogKind::Input, caption, prompt, proposed, {}});
    DialogAnswer answer;
    if (!Take(DialogKind::Input, answer) || !answer.ok) return {false, proposed};
    return {true, answer.text};
}

bool ScriptedDialogs::Confirm(const QString& caption, const QString& text, QWidget*) {
    calls_.push_back({DialogKind::Confirm, caption, text, QString(), {}});
    DialogAnswer answer;
    return Take(DialogKind::Confirm, answer) && answer.ok;
}

FileDialogAnswer ScriptedDialogs::OpenFile(const FileDialogRequest& request, QWidget*) {
    calls_.push_back({DialogKind::OpenFile, request.caption, QString(), request.fileName, request});
    DialogAnswer answer;
    if (!Take(DialogKind::OpenFile, answer) || !answer.ok) return {};
    return {true, answer.text, answer.filterIndex};
}

FileDialogAnswer ScriptedDialogs::SaveFile(const FileDialogRequest& request, QWidget*) {
    calls_.push_back({DialogKind::SaveFile, request.caption, QString(), request.fileName, request});
    DialogAnswer answer;
    if (!Take(DialogKind::SaveFile, answer) || !answer.ok) return {};
    return {true, answer.text, answer.filterIndex};
}

std::unique_ptr<QPrinter> ScriptedDialogs::Print(const QString& caption, QWidget*) {
    calls_.push_back({DialogKind::Print, caption, QString(), QString(), {}});
    DialogAnswer answer;
    if (!Take(DialogKind::Print, answer) || !answer.ok) return nullptr;
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(answer.printerOutput);
    return printer;
}

void ScriptedDialogs::AnswerInput(const QString& text, bool ok) {
    answers_.push_back({DialogKind::Input, ok, text, 1, QString()});
}

void ScriptedDialogs::AnswerConfirm(bool yes) {
    answers_.push_back({DialogKind::Confirm, yes, QString(), 1, QString()});
}

void ScriptedDialogs::AnswerOpenFile(const QString& fileName, int filterIndex) {
    answers_.push_back({DialogKind::OpenFile, true, fileName, filterIndex, QString()});
}

void ScriptedDialogs::AnswerSaveFile(const QString& fileName, int filterIndex) {
    answers_.push_back({DialogKind::SaveFile, true, fileName, filterIndex, QString()});
}

void ScriptedDialogs::AnswerPrint(const QString& pdfPath) {
    answers_.push_back({DialogKind::Print, true, QString(), 1, pdfPath});
}

void ScriptedDialogs::CancelNext(DialogKind kind) {
    answers_.push_back({kind, false, QString(), 1, QString()});
}

std::vector<DialogCall> ScriptedDialogs::CallsOf(DialogKind kind) const {
    std::vector<DialogCall> result;
    for (const DialogCall& call : calls_)
        if (call.kind == kind) result.push_back(call);
    return result;
}

QStringList ScriptedDialogs::Messages() const {
    QStringList result;
    for (const DialogCall& call : calls_)
        if (call.kind == DialogKind::Message) result << call.caption + "|" + call.text;
    return result;
}

void ScriptedDialogs::Clear() {
    calls_.clear();
    answers_.clear();
}

ScopedScriptedDialogs::ScopedScriptedDialogs() : previous_(InstallDialogs(&dialogs_)) {}

ScopedScriptedDialogs::~ScopedScriptedDialogs() { InstallDialogs(previous_); }

}  // namespace testsupport
