#include "ui/satellites/pass_table_model.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

#include "core/json_text.h"
#include "satellite/satellite_table.h"

namespace {

constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();
// Rows kept made: a few screens of the table.
constexpr std::size_t kCachedRows = 512;

QString Utf8(const std::string& text) { return QString::fromUtf8(text.data(), text.size()); }

struct Heading {
    const char* caption;
    const char* tip;
};
const Heading kHeadings[kPassColumnCount] = {
    {"Satellit", "Name des Satelliten aus der Elementdatei"},
    {"Datum", "Ortsdatum des Beginns"},
    {"Beginn", "Ortszeit, zu der der Satellit sichtbar wird (Tooltip: wodurch)"},
    {"Höhe", "Höhe über dem Horizont zu Beginn"},
    {"Richtung", "Himmelsrichtung zu Beginn (O = Osten)"},
    {"höchster Punkt", "Ortszeit des höchsten Punkts"},
    {"Höhe", "größte Höhe über dem Horizont"},
    {"Richtung", "Himmelsrichtung am höchsten Punkt"},
    {"Ende", "Ortszeit, zu der der Satellit nicht mehr sichtbar ist"},
    {"Höhe", "Höhe über dem Horizont am Ende"},
    {"Richtung", "Himmelsrichtung am Ende"},
    {"mag",
     "Helligkeit am höchsten Punkt (mit \"maximale Helligkeit suchen\": die größte); "
     "\":\" dahinter: Standardhelligkeit unbekannt, geschätzt"},
    {"endet durch",
     "Untergang: sinkt unter die Mindesthöhe; Schatten: tritt in den Erdschatten; "
     "Dämmerung: der Himmel wird zu hell"},
    {"Zeitpunkt",
     "der gelistete Zeitpunkt der klassischen Liste (Ortszeit); \"*\" dahinter: "
     "er ist ein Schatteneintritt oder -austritt"},
    {"sath", "Höhe des Satelliten zum gelisteten Zeitpunkt"},
    {"sataz", "Himmelsrichtung zum gelisteten Zeitpunkt"},
    {"Entf", "Entfernung zum gelisteten Zeitpunkt in km"},
    {"Pos", "Bewegungsrichtung zum gelisteten Zeitpunkt in Grad"},
    {"Sonne", "Sonnenhöhe zum gelisteten Zeitpunkt"},
};

QString Degrees(double value, int decimals) {
    return Utf8(FixedText(value, decimals)) + QStringLiteral("°");
}
QString Trimmed(const std::string& text) { return Utf8(text).trimmed(); }

// The name field of the name line (the list line shows its first 16 characters only), or
// the catalogue number of a set without a name.
QString SatelliteName(const PassRecord& pass) {
    const QString number = QString::number(pass.catalogNumber, 'f', 0);
    if (pass.name.empty() || pass.name.front() == ' ') return number;
    return Trimmed(jsontext::ReadableUtf8(WholeDisplayName(ElementSet{pass.name, {}, {}})));
}

// Whether a column shows the visible part of the pass (found again from the orbit).
bool ShowsVisiblePart(int column) { return column >= kDateColumn && column <= kEndReasonColumn; }

}  // namespace

PassTableModel::PassTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void PassTableModel::SetList(const PassListState* list) {
    beginResetModel();
    list_ = list;
    order_.resize(list ? list->size() : 0);
    std::iota(order_.begin(), order_.end(), 0);
    cache_.clear();
    made_.clear();
    endResetModel();
}

int PassTableModel::ListRow(int row) const {
    return row >= 0 && row < static_cast<int>(order_.size()) ? order_[static_cast<std::size_t>(row)]
                                                             : -1;
}

int PassTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(order_.size());
}
int PassTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kPassColumnCount;
}

QVariant PassTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kPassColumnCount) return {};
    switch (role) {
        case Qt::DisplayRole:
            return QString::fromUtf8(kHeadings[section].caption);
        case Qt::ToolTipRole:
            return QString::fromUtf8(kHeadings[section].tip);
        case Qt::InitialSortOrderRole:
            return static_cast<int>(Qt::AscendingOrder);
        default:
            return {};
    }
}

QVariant PassTableModel::data(const QModelIndex& index, int role) const {
    const int listRow = ListRow(index.row());
    if (listRow < 0 || static_cast<std::size_t>(listRow) >= list_->size() || index.column() < 0 ||
        index.column() >= kPassColumnCount)
        return {};
    const int column = index.column();
    if (role == Qt::TextAlignmentRole)
        return column == kSatelliteColumn || column == kEndReasonColumn
                   ? QVariant()
                   : QVariant(static_cast<int>(Qt::AlignRight | Qt::AlignVCenter));
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole && role != kValueRole) return {};
    const Cell& cell = CellsOf(listRow)[static_cast<std::size_t>(column)];
    if (role == Qt::DisplayRole) return cell.text;
    if (role == Qt::ToolTipRole) return cell.tip.isEmpty() ? QVariant() : QVariant(cell.tip);
    return cell.value;
}

const PassTableModel::RowCells& PassTableModel::CellsOf(int listRow) const {
    if (const auto found = cache_.find(listRow); found != cache_.end()) return found->second;
    if (made_.size() >= kCachedRows) {
        cache_.erase(made_.front());
        made_.pop_front();
    }
    const PassRecord pass = list_->Record(static_cast<std::size_t>(listRow));
    RowCells cells;
    for (int c = 0; c < kPassColumnCount; ++c) cells[static_cast<std::size_t>(c)] = CellOf(pass, c);
    made_.push_back(listRow);
    return cache_.emplace(listRow, std::move(cells)).first->second;
}

PassTableModel::Cell PassTableModel::CellOf(const PassRecord& pass, int column) const {
    const ObservingPlace& observer = list_->observer;
    const auto local = [&observer](JD1900 t) {
        return DateTimeTextsOf(t, observer.zoneOffsetAt(t));
    };
    const PassEvents& e = pass.events;
    // Time, altitude and direction of one event.
    const auto eventCell = [&](const PassEvent& event, int part, const QString& timeTip) -> Cell {
        if (!e.found) return {QStringLiteral("–"), kNoValue, {}};
        switch (part) {
            case 0:
                return {Utf8(local(event.time).time), event.time, timeTip};
            case 1:
                return {Degrees(event.altitudeDeg, 0), event.altitudeDeg, {}};
            default:
                return {Utf8(EventCompassWord(event)), event.azimuthDeg,
                        Degrees(event.azimuthDeg, 0) + QStringLiteral(" von Norden über Osten")};
        }
    };
    switch (column) {
        case kSatelliteColumn:
            return {SatelliteName(pass), kNoValue,
                    QStringLiteral("Katalognummer %1").arg(pass.catalogNumber, 0, 'f', 0)};
        case kDateColumn: {
            const JD1900 begin = e.found ? e.start.time : pass.time;
            return {Utf8(local(begin).date), begin, {}};
        }
        case kStartTimeColumn:
        case kStartAltitudeColumn:
        case kStartDirectionColumn:
            return eventCell(e.start, column - kStartTimeColumn, StartReasonWords(e.startLimit));
        case kHighestTimeColumn:
        case kHighestAltitudeColumn:
        case kHighestDirectionColumn:
            return eventCell(e.highest, column - kHighestTimeColumn, {});
        case kEndTimeColumn:
        case kEndAltitudeColumn:
        case kEndDirectionColumn:
            return eventCell(e.end, column - kEndTimeColumn, {});
        case kMagnitudeColumn: {
            const double magnitude = !e.found           ? pass.magnitude
                                     : e.brightestFound ? e.brightest.magnitude
                                                        : e.highest.magnitude;
            return {Utf8(FixedText(magnitude, 1)) +
                        (pass.magnitudeKnown ? QString() : QStringLiteral(":")),
                    magnitude,
                    {}};
        }
        case kEndReasonColumn:
            return {e.found ? EndReasonWord(e.endLimit) : QString(), kNoValue, {}};
        case kListedTimeColumn:
            return {Utf8(local(pass.time).time) +
                        (pass.shadowBoundary ? QStringLiteral("*") : QString()),
                    pass.time,
                    {}};
        case kListedAltitudeColumn:
            return {Degrees(pass.altitudeDeg, 1), pass.altitudeDeg, {}};
        case kListedDirectionColumn:
            // The classic azimuth counts from south; sorted from north like the others.
            return {Trimmed(CompassWord(pass.azimuthDeg)),
                    std::fmod(pass.azimuthDeg + 540.0, 360.0),
                    {}};
        case kRangeColumn:
            return {Utf8(FixedText(pass.rangeKm, 0)), pass.rangeKm, {}};
        case kMotionColumn:
            return {Utf8(FixedText(pass.directionDeg, 0)), pass.directionDeg, {}};
        case kSunColumn:
            return {Degrees(pass.sunAltitudeDeg, 1), pass.sunAltitudeDeg, {}};
        default:
            return {};
    }
}

// Text cells by their text, ignoring case; a missing value after every number.
bool PassTableModel::Less(const Cell& a, const Cell& b) {
    if (std::isnan(a.value) && std::isnan(b.value))
        return a.text.compare(b.text, Qt::CaseInsensitive) < 0;
    if (std::isnan(a.value) != std::isnan(b.value)) return std::isnan(b.value);
    return a.value < b.value;
}

void PassTableModel::sort(int column, Qt::SortOrder order) {
    if (!list_ || column < 0 || column >= kPassColumnCount) return;
    // The cell of every pass in this column; the visible part only where it shows.
    const bool whole = ShowsVisiblePart(column);
    std::vector<Cell> keys(list_->size());
    for (std::size_t i = 0; i < keys.size(); ++i)
        keys[i] = CellOf(whole ? list_->Record(i)
                               : RecordWithoutEvents(list_->passes[i], list_->satellites.get()),
                         column);
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<int> listRows;
    for (const QModelIndex& index : before) listRows.push_back(ListRow(index.row()));
    std::stable_sort(order_.begin(), order_.end(), [&](int a, int b) {
        const Cell& x = keys[static_cast<std::size_t>(a)];
        const Cell& y = keys[static_cast<std::size_t>(b)];
        return order == Qt::AscendingOrder ? Less(x, y) : Less(y, x);
    });
    std::vector<int> rowOf(order_.size());
    for (std::size_t r = 0; r < order_.size(); ++r)
        rowOf[static_cast<std::size_t>(order_[r])] = static_cast<int>(r);
    QModelIndexList after;
    for (std::size_t k = 0; k < listRows.size(); ++k)
        after << (listRows[k] < 0 ? QModelIndex()
                                  : index(rowOf[static_cast<std::size_t>(listRows[k])],
                                          before[static_cast<int>(k)].column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
