#include "ui/satellites/element_update_dialog.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "catalog/settings_file.h"
#include "download/element_update.h"
#include "prediction/selection_model.h"
#include "satellite/satellite_table.h"
#include "ui/common/dialog_rows.h"
#include "ui/common/dialogs.h"
#include "ui/common/windows.h"
#include "ui/satellites/pass_dialog.h"
#include "ui/satellites/satellite_selection_window.h"
#include "ui/sky/main_window_interaction.h"

namespace {

const QString kCaption = QStringLiteral("Elemente aktualisieren");
const QString kNumbersItem = QStringLiteral("Katalognummern");

QString Text(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

ElementUpdateDialog::ElementUpdateDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("ElementUpdateDialog");
    setWindowTitle(kCaption);
    setModal(false);
    update_ = new ElementUpdate(this);

    group_ = new QComboBox(this);
    group_->setObjectName("group");
    for (const ElementGroup& g : ElementGroups())
        group_->addItem(Text(g.name) + QStringLiteral(" (") + Text(g.description) +
                            QStringLiteral(")"),
                        Text(g.name));
    group_->addItem(kNumbersItem, QString());
    numbers_ = new QLineEdit(this);
    numbers_->setObjectName("numbers");
    numbers_->setPlaceholderText(QStringLiteral("z. B. 25544, 20580"));
    file_ = new QLineEdit(this);
    file_->setObjectName("file");
    // The address and the messages hold text of the settings and of the server.
    source_ = new QLabel(this);
    source_->setTextFormat(Qt::PlainText);
    source_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    status_ = new QLabel(this);
    status_->setObjectName("status");
    status_->setTextFormat(Qt::PlainText);
    status_->setWordWrap(true);
    progress_ = new QProgressBar(this);
    progress_->setVisible(false);
    load_ = NamedButton(QStringLiteral("Laden"), "load", this, [this] { StartLoading(); });
    load_->setDefault(true);
    cancel_ = NamedButton(QStringLiteral("Schließen"), "cancel", this, [this] { CancelOrClose(); });

    auto* grid = new QGridLayout;
    AddLabelledField(grid, 0, new QLabel(QStringLiteral("&Gruppe"), this), group_);
    AddLabelledField(grid, 1, new QLabel(QStringLiteral("&Katalognummern"), this), numbers_);
    AddLabelledField(grid, 2, new QLabel(QStringLiteral("&Datei"), this), file_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(source_);
    layout->addWidget(progress_);
    layout->addWidget(status_);
    layout->addStretch();
    layout->addLayout(RightAlignedButtonRow({load_, cancel_}));
    setMinimumWidth(420);

    connect(group_, &QComboBox::currentIndexChanged, this, &ElementUpdateDialog::GroupChanged);
    connect(numbers_, &QLineEdit::textEdited, this, &ElementUpdateDialog::GroupChanged);
    connect(file_, &QLineEdit::textEdited, this, [this] { fileNameEdited_ = true; });
    connect(update_, &ElementUpdate::progress, this,
            [this](qint64 received, qint64 total, int part, int parts) {
                progress_->setRange(0, total > 0 ? static_cast<int>(total / 1024) : 0);
                progress_->setValue(static_cast<int>(received / 1024));
                QString text = QStringLiteral("%1 kB empfangen").arg(received / 1024);
                if (parts > 1) text += QStringLiteral(" (Anfrage %1 von %2)").arg(part).arg(parts);
                status_->setText(text);
            });
    connect(update_, &ElementUpdate::finished, this, &ElementUpdateDialog::Finished);
    GroupChanged();
}

bool ElementUpdateDialog::loading() const { return update_->running(); }

void ElementUpdateDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!loading())
        source_->setText(QStringLiteral("Quelle: ") +
                         Text(ElementServiceUrl(Settings().elementServiceUrl)));
}

void ElementUpdateDialog::GroupChanged() {
    const bool numbersOnly = group_->currentData().toString().isEmpty();
    numbers_->setEnabled(numbersOnly);
    if (fileNameEdited_) return;
    ElementQuery query;
    query.group = group_->currentData().toString().toStdString();
    file_->setText(Text(DefaultElementFileName(query)));
}

std::string ElementUpdateDialog::ReadRequest(ElementUpdateRequest& request) const {
    request.query = {};
    request.query.group = group_->currentData().toString().toStdString();
    if (request.query.group.empty()) {
        const std::string problem =
            ReadCatalogNumberList(numbers_->text().toStdString(), request.query.catalogNumbers);
        if (!problem.empty()) return problem;
        if (request.query.catalogNumbers.empty()) return "Bitte Katalognummern eingeben.";
    }
    const QString name = file_->text().trimmed();
    if (name.isEmpty()) return "Bitte einen Dateinamen eingeben.";
    // A bare name lies in the working folder, beside the program's other files.
    request.targetPath = QDir::current().absoluteFilePath(name).toStdString();
    request.query.format = FormatOfFileName(request.targetPath);
    request.baseUrl = ElementServiceUrl(Settings().elementServiceUrl);
    return {};
}

bool ElementUpdateDialog::StartLoading() {
    if (loading()) return false;
    ElementUpdateRequest request;
    if (const std::string problem = ReadRequest(request); !problem.empty()) {
        AppDialogs().Message(kCaption, Text(problem), this);
        return false;
    }
    if (const auto age = FreshCopyAgeMinutes(request)) {
        request.force = AppDialogs().Confirm(
            kCaption,
            QStringLiteral("Die Datei %1 ist erst %2 Minuten alt. Der Elementdienst bittet, "
                           "dieselben Elemente höchstens alle zwei Stunden abzurufen.\n\n"
                           "Trotzdem neu laden? (Nein: die vorhandene Datei wird geladen.)")
                .arg(file_->text().trimmed())
                .arg(*age),
            this);
    }
    targetPath_ = request.targetPath;
    status_->setText(QStringLiteral("Verbinde ..."));
    ShowLoading(true);
    update_->Start(request);
    return true;
}

void ElementUpdateDialog::CancelOrClose() {
    if (loading())
        update_->Cancel();
    else
        hide();
}

void ElementUpdateDialog::ShowLoading(bool loading) {
    progress_->setVisible(loading);
    progress_->setRange(0, 0);
    load_->setEnabled(!loading);
    group_->setEnabled(!loading);
    file_->setEnabled(!loading);
    numbers_->setEnabled(!loading && group_->currentData().toString().isEmpty());
    cancel_->setText(loading ? QStringLiteral("Abbrechen") : QStringLiteral("Schließen"));
}

void ElementUpdateDialog::Finished(const ElementUpdateResult& result) {
    ShowLoading(false);
    status_->setText(Text(result.message));
    switch (result.status) {
        case ElementUpdateStatus::Written:
        case ElementUpdateStatus::FreshCopyKept:
            if (LoadElementFileKeepingSelection(targetPath_))
                status_->setText(Text(result.message) + QStringLiteral("; geladen."));
            break;
        case ElementUpdateStatus::Failed:
            AppDialogs().Message(kCaption, Text(result.message), this);
            break;
        case ElementUpdateStatus::Cancelled:
            break;
    }
    emit done(result);
}

bool LoadElementFileKeepingSelection(const std::string& path) {
    const std::vector<double> selected = SelectedCatalogNumbers();
    return LoadElementFileSelecting(path, [&selected] { ReselectCatalogNumbers(selected); });
}

bool LoadElementFileSelecting(const std::string& path, const std::function<void()>& select) {
    return LoadElementFileAt(path, [&select] {
        select();
        if (SatelliteSelectionWindow* window = AppWindows().satelliteSelectionWindow) {
            window->RefreshLists();
            window->EnablePassMenus();
        }
        if (PassDialog* passes = AppWindows().passDialog) passes->ShowElementAge();
    });
}
