#include "ui/common/dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

#include "chart/chart_hooks.h"
#include "core/number_text.h"

namespace {

Dialogs* installedDialogs = nullptr;

QtDialogs& QtDialogsInstance() {
    static QtDialogs instance;
    return instance;
}

// Start of a file dialog: the proposed name inside the initial folder.
QString StartPath(const FileDialogRequest& request) {
    if (request.fileName.isEmpty()) return request.initialFolder;
    QFileInfo proposed(request.fileName);
    if (proposed.isAbsolute() || request.initialFolder.isEmpty()) return request.fileName;
    return QDir(request.initialFolder).filePath(request.fileName);
}

// The chosen file type as a Qt filter text, or empty for no filter list.
QString InitialFilter(const FileDialogRequest& request, const QStringList& qtFilters) {
    if (qtFilters.isEmpty()) return QString();
    const int index = request.filterIndex >= 1 && request.filterIndex <= qtFilters.size()
                          ? request.filterIndex
                          : 1;
    return qtFilters[index - 1];
}

}  // namespace

Dialogs::~Dialogs() = default;

Dialogs& AppDialogs() { return installedDialogs ? *installedDialogs : QtDialogsInstance(); }

void ShowNotANumber(const QString& text, QWidget* parent, const QString& caption) {
    AppDialogs().Message(
        caption, QString::fromStdString(numtext::BadRealMessage(text.toStdString())), parent);
}

void ShowNotAnInteger(const QString& text, QWidget* parent) {
    AppDialogs().Message(QStringLiteral("Polaride"),
                         QString::fromStdString(numtext::BadIntegerMessage(text.toStdString())),
                         parent);
}

void RouteChartMessagesToDialogs() {
    SetChartMessageSink([](const QString& caption, const QString& text) {
        AppDialogs().Message(caption, text, ChartHooks().dialogParent);
    });
}

Dialogs* InstallDialogs(Dialogs* dialogs) {
    RouteChartMessagesToDialogs();
    Dialogs* previous = installedDialogs;
    installedDialogs = dialogs;
    return previous;
}

QStringList QtFilterList(const QList<FileFilter>& filters) {
    QStringList result;
    for (const FileFilter& filter : filters) {
        QString patterns = filter.pattern;
        patterns.replace(';', ' ');
        const QString named = " (" + patterns + ")";
        // "TLE-Dateien (*.tle)" already names its pattern *.TLE: the dialog matches file
        // names without regard to case, so the description is the whole filter.
        if (filter.description.endsWith(named, Qt::CaseInsensitive))
            result << filter.description;
        else
            result << filter.description + named;
    }
    return result;
}

int FilterIndexOf(const QList<FileFilter>& filters, const QString& chosenQtFilter) {
    const QStringList qtFilters = QtFilterList(filters);
    const int index = qtFilters.indexOf(chosenQtFilter);
    return index < 0 ? 1 : index + 1;
}

int CaptionRoomWidth(const QString& caption) {
    QFont title = QApplication::font("QMdiSubWindowTitleBar");
    title.setBold(true);
    // Window icon and three buttons of about a title bar's height each, and margins.
    const int bar = QFontMetrics(title).height() + 8;
    return QFontMetrics(title).horizontalAdvance(caption) + 4 * bar + 24;
}

namespace {

// A message box sizes itself from its layout: an empty row as wide as the caption
// needs keeps it from growing narrower.
void LeaveRoomForCaption(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid) return;
    grid->addItem(new QSpacerItem(CaptionRoomWidth(box.windowTitle()), 0, QSizePolicy::Fixed,
                                  QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

// Texts of the boxes often hold what a file or a server said: they are shown as
// written, never as rich text.
std::unique_ptr<QMessageBox> MakeMessageBox(const QString& caption, const QString& text,
                                            QWidget* parent) {
    auto box =
        std::make_unique<QMessageBox>(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText);
    LeaveRoomForCaption(*box);
    return box;
}

std::unique_ptr<QInputDialog> MakeInputBox(const QString& caption, const QString& prompt,
                                           const QString& proposed, QWidget* parent) {
    auto box = std::make_unique<QInputDialog>(parent);
    box->setWindowTitle(caption);
    box->setInputMode(QInputDialog::TextInput);
    box->setLabelText(prompt);
    box->setTextValue(proposed);
    for (QLabel* label : box->findChildren<QLabel*>()) label->setTextFormat(Qt::PlainText);
    // The box takes its size from its layout: the prompt keeps it wide enough.
    if (auto* label = box->findChild<QLabel*>()) label->setMinimumWidth(CaptionRoomWidth(caption));
    return box;
}

}  // namespace

void QtDialogs::Message(const QString& caption, const QString& text, QWidget* parent) {
    MakeMessageBox(caption, text, parent)->exec();
}

InputAnswer QtDialogs::Input(const QString& caption, const QString& prompt, const QString& proposed,
                             QWidget* parent) {
    const std::unique_ptr<QInputDialog> box = MakeInputBox(caption, prompt, proposed, parent);
    if (box->exec() != QDialog::Accepted) return InputAnswer{false, proposed};
    return InputAnswer{true, box->textValue()};
}

bool QtDialogs::Confirm(const QString& caption, const QString& text, QWidget* parent) {
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    QPushButton* yes = box.addButton("Ja", QMessageBox::YesRole);
    box.addButton("Nein", QMessageBox::NoRole);
    LeaveRoomForCaption(box);
    box.exec();
    return box.clickedButton() == yes;
}

namespace {

FileDialogAnswer RunFileDialog(const FileDialogRequest& request, QWidget* parent,
                               QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, request.caption, StartPath(request));
    dialog.setAcceptMode(mode);
    if (mode == QFileDialog::AcceptOpen)
        dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    const QStringList qtFilters = QtFilterList(request.filters);
    if (!qtFilters.isEmpty()) {
        dialog.setNameFilters(qtFilters);
        dialog.selectNameFilter(InitialFilter(request, qtFilters));
    }
    // File types are matched without regard to case (N*.* finds n*.tle as well).
    dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    FileDialogAnswer answer;
    answer.ok = true;
    answer.fileName = QDir::toNativeSeparators(dialog.selectedFiles().first());
    answer.filterIndex =
        qtFilters.isEmpty() ? 1 : FilterIndexOf(request.filters, dialog.selectedNameFilter());
    return answer;
}

}  // namespace

FileDialogAnswer QtDialogs::OpenFile(const FileDialogRequest& request, QWidget* parent) {
    return RunFileDialog(request, parent, QFileDialog::AcceptOpen);
}

FileDialogAnswer QtDialogs::SaveFile(const FileDialogRequest& request, QWidget* parent) {
    return RunFileDialog(request, parent, QFileDialog::AcceptSave);
}

std::unique_ptr<QPrinter> QtDialogs::Print(const QString& caption, QWidget* parent) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(printer.get(), parent);
    if (!caption.isEmpty()) dialog.setWindowTitle(caption);
    if (dialog.exec() != QDialog::Accepted) return nullptr;
    return printer;
}
