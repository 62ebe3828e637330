// The Dialogs service: installation, the file-type list helpers, the Qt message and
// input boxes (answered by a timer), and the scripted implementation the other tests use.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "support/ui/scripted_dialogs.h"
#include "ui/common/dialogs.h"

namespace {

using testsupport::DialogKind;
using testsupport::ScopedScriptedDialogs;
using testsupport::ScriptedDialogs;

const QList<FileFilter> kElementFilters = {
    {"alle Dateien (*.*)", "*.*"},
    {"alte Polaride-Dateien (n*.*)", "N*.*"},
    {"TLE-Dateien (*.tle)", "*.TLE"},
};

TEST(DialogsService, InstallingReplacesAndRestores) {
    Dialogs& qt = AppDialogs();
    EXPECT_NE(dynamic_cast<QtDialogs*>(&qt), nullptr) << "the Qt dialogs by default";
    {
        ScopedScriptedDialogs outer;
        EXPECT_EQ(&AppDialogs(), &outer.get());
        {
            ScopedScriptedDialogs inner;
            EXPECT_EQ(&AppDialogs(), &inner.get());
        }
        EXPECT_EQ(&AppDialogs(), &outer.get()) << "the inner installer restores the outer one";
    }
    EXPECT_EQ(&AppDialogs(), &qt);
}

TEST(DialogsService, FileTypesInQtFormAndBack) {
    const QStringList qtFilters = QtFilterList(kElementFilters);
    ASSERT_EQ(qtFilters.size(), 3);
    // A description that names its pattern is not followed by it again.
    EXPECT_EQ(qtFilters, QStringList({"alle Dateien (*.*)", "alte Polaride-Dateien (n*.*)",
                                      "TLE-Dateien (*.tle)"}));
    EXPECT_EQ(QtFilterList({{"Texte", "*.txt;*.lst"}}).front(), "Texte (*.txt *.lst)");
    for (int i = 0; i < qtFilters.size(); ++i)
        EXPECT_EQ(FilterIndexOf(kElementFilters, qtFilters[i]), i + 1);
    EXPECT_EQ(FilterIndexOf(kElementFilters, "unbekannt (*.xyz)"), 1);
    EXPECT_TRUE(QtFilterList({}).isEmpty());
}

// Runs `answer` on the modal dialog as soon as it is open.
void AnswerModal(std::function<void(QWidget*)> answer) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            answer(modal);
        }
    });
    timer->start();
}

TEST(QtDialogsBoxes, MessageBoxShowsCaptionTextAndOneOkButton) {
    QtDialogs dialogs;
    QString caption, text;
    int buttons = -1;
    AnswerModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        caption = box->windowTitle();
        text = box->text();
        buttons = box->buttons().size();
        box->button(QMessageBox::Ok)->click();
    });
    dialogs.Message("Info", "Da ist nichts!");
    EXPECT_EQ(caption, "Info");
    EXPECT_EQ(text, "Da ist nichts!");
    EXPECT_EQ(buttons, 1);
}

TEST(QtDialogsBoxes, TextsAreShownAsWrittenNeverAsRichText) {
    QtDialogs dialogs;
    const QString page = "<html><b>fett</b><img src=\"x.png\"></html>";
    const std::function<void()> boxes[] = {[&] { dialogs.Message("Polaride", page); },
                                           [&] { dialogs.Input("Polaride", page, ""); },
                                           [&] { dialogs.Confirm("Polaride", page); }};
    std::vector<Qt::TextFormat> formats;
    for (const auto& show : boxes) {
        AnswerModal([&](QWidget* modal) {
            for (QLabel* label : modal->findChildren<QLabel*>())
                if (label->text() == page) formats.push_back(label->textFormat());
            static_cast<QDialog*>(modal)->reject();
        });
        show();
    }
    EXPECT_EQ(formats, std::vector<Qt::TextFormat>(3, Qt::PlainText));
}

TEST(QtDialogsBoxes, InputBoxAnswersOrKeepsTheProposedText) {
    QtDialogs dialogs;
    const struct {
        bool accept;
        const char* typed;
        bool ok;
        const char* result;
    } cases[] = {{true, "24.12.2026", true, "24.12.2026"},
                 {false, "24.12.2026", false, "08.12.2026"}};
    for (const auto& c : cases) {
        QString caption, prompt, proposed;
        AnswerModal([&](QWidget* modal) {
            auto* input = qobject_cast<QInputDialog*>(modal);
            ASSERT_NE(input, nullptr);
            caption = input->windowTitle();
            prompt = input->labelText();
            proposed = input->textValue();
            input->setTextValue(c.typed);
            if (c.accept)
                input->accept();
            else
                input->reject();
        });
        const InputAnswer answer =
            dialogs.Input("Datum ändern", "Bitte neues Datum eingeben:", "08.12.2026");
        EXPECT_EQ(caption, "Datum ändern");
        EXPECT_EQ(prompt, "Bitte neues Datum eingeben:");
        EXPECT_EQ(proposed, "08.12.2026");
        EXPECT_EQ(answer.ok, c.ok);
        EXPECT_EQ(answer.text, c.result);
    }
}

// A short text or prompt must not make a box too narrow for its caption, which the
// window manager would cut ("Schritt… ndern", "Un…abe").
TEST(QtDialogsBoxes, BoxesAreWideEnoughForTheirWholeCaption) {
    QtDialogs dialogs;
    const QString caption = QString::fromUtf8("Ungültige Eingabe");
    EXPECT_GT(CaptionRoomWidth(caption),
              QFontMetrics(QApplication::font()).horizontalAdvance(caption) + 80);
    int width = 0;
    const auto measure = [&width](QWidget* modal) {
        width = modal->width();
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            box->buttons().first()->click();
        else
            static_cast<QDialog*>(modal)->reject();
    };
    AnswerModal(measure);
    dialogs.Message(caption, "Fehler");
    EXPECT_GE(width, CaptionRoomWidth(caption));
    AnswerModal(measure);
    dialogs.Input(QString::fromUtf8("Schrittweite ändern"), "Schrittweite in Sekunden:", "6");
    EXPECT_GE(width, CaptionRoomWidth(QString::fromUtf8("Schrittweite ändern")));
    AnswerModal(measure);
    dialogs.Confirm(QString::fromUtf8("Durchgänge überschreiben"), "Ja?");
    EXPECT_GE(width, CaptionRoomWidth(QString::fromUtf8("Durchgänge überschreiben")));
}

TEST(QtDialogsBoxes, ConfirmIsYesOnlyForJa) {
    QtDialogs dialogs;
    for (const bool yes : {true, false}) {
        AnswerModal([yes](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            for (QAbstractButton* button : box->buttons())
                if (button->text() == (yes ? "Ja" : "Nein")) button->click();
        });
        EXPECT_EQ(dialogs.Confirm("Frage", "Weiter?"), yes);
    }
}

TEST(ScriptedDialogsRecording, RecordsEveryCallAndAnswersInOrder) {
    ScopedScriptedDialogs scripted;
    ScriptedDialogs& d = scripted.get();
    d.AnswerInput("12");
    d.CancelNext(DialogKind::Input);
    d.AnswerConfirm(true);
    d.AnswerOpenFile("/tmp/iss.tle", 3);
    d.CancelNext(DialogKind::SaveFile);

    Dialogs& dialogs = AppDialogs();
    dialogs.Message("Info", "Sonne");
    const InputAnswer first =
        dialogs.Input("Schrittweite ändern", "Schrittweite in Sekunden:", "6");
    const InputAnswer second =
        dialogs.Input("Datum ändern", "Bitte neues Datum eingeben:", "08.12.2026");
    const bool confirmed = dialogs.Confirm("Frage", "Weiter?");
    FileDialogRequest open{
        "Bahnelemente-Datei auswählen", kElementFilters, 3, "/tmp/", "/tmp/old.tle", true};
    const FileDialogAnswer opened = dialogs.OpenFile(open);
    const FileDialogAnswer saved = dialogs.SaveFile({"Speichern", {}, 1, "", "liste.txt", false});
    const InputAnswer unprepared =
        dialogs.Input("maximale Drift", "Bitte maximale Drift (Grad/Tag) eingeben:", "0.1");

    EXPECT_TRUE(first.ok);
    EXPECT_EQ(first.text, "12");
    EXPECT_FALSE(second.ok);
    EXPECT_EQ(second.text, "08.12.2026") << "a cancelled input box keeps the proposed text";
    EXPECT_TRUE(confirmed);
    EXPECT_TRUE(opened.ok);
    EXPECT_EQ(opened.fileName, "/tmp/iss.tle");
    EXPECT_EQ(opened.filterIndex, 3);
    EXPECT_FALSE(saved.ok);
    EXPECT_FALSE(unprepared.ok);
    EXPECT_EQ(unprepared.text, "0.1");
    EXPECT_EQ(d.PendingAnswers(), 0u);

    const auto& calls = d.Calls();
    ASSERT_EQ(calls.size(), 7u);
    const DialogKind kinds[] = {DialogKind::Message, DialogKind::Input,    DialogKind::Input,
                                DialogKind::Confirm, DialogKind::OpenFile, DialogKind::SaveFile,
                                DialogKind::Input};
    for (size_t i = 0; i < calls.size(); ++i) EXPECT_EQ(calls[i].kind, kinds[i]) << i;
    EXPECT_EQ(calls[1].caption, "Schrittweite ändern");
    EXPECT_EQ(calls[1].text, "Schrittweite in Sekunden:");
    EXPECT_EQ(calls[1].proposed, "6");
    EXPECT_EQ(calls[4].request.filters.size(), 3);
    EXPECT_EQ(calls[4].request.filterIndex, 3);
    EXPECT_EQ(calls[4].proposed, "/tmp/old.tle");
    EXPECT_EQ(d.Messages(), QStringList{"Info|Sonne"});
    EXPECT_EQ(d.CallsOf(DialogKind::Input).size(), 3u);

    d.Clear();
    EXPECT_TRUE(d.Calls().empty());
}

TEST(ScriptedDialogsRecording, PrintAnswerIsAPdfPrinterAndCancelIsNull) {
    ScopedScriptedDialogs scripted;
    scripted->AnswerPrint("/tmp/polaride-test.pdf");
    scripted->CancelNext(DialogKind::Print);
    const std::unique_ptr<QPrinter> printer = AppDialogs().Print();
    ASSERT_NE(printer, nullptr);
    EXPECT_EQ(printer->outputFormat(), QPrinter::PdfFormat);
    EXPECT_EQ(printer->outputFileName(), "/tmp/polaride-test.pdf");
    EXPECT_EQ(AppDialogs().Print(), nullptr);
    EXPECT_EQ(scripted->CallsOf(DialogKind::Print).size(), 2u);
}

}  // namespace
