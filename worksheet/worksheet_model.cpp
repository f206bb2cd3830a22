#include "worksheet/worksheet_model.h"

#include <QBrush>
#include <QColor>

#include <algorithm>
#include <climits>

namespace {

QColor colour_of(BgrColour bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

bool ranges_meet(const CellRange& a, const CellRange& b) {
    return a.first_row <= b.last_row && b.first_row <= a.last_row &&
           a.first_column <= b.last_column && b.first_column <= a.last_column;
}

void grow_to_enclose(CellRange& box, const CellRange& range) {
    box.first_row = std::min(box.first_row, range.first_row);
    box.first_column = std::min(box.first_column, range.first_column);
    box.last_row = std::max(box.last_row, range.last_row);
    box.last_column = std::max(box.last_column, range.last_column);
}

} // namespace

WorksheetModel::WorksheetModel(int rows, int columns, const QFont& base_font)
    : rows_(rows), columns_(columns), base_font_(base_font) {
    ensure_blocks(rows);
}

int WorksheetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int WorksheetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columns_;
}

QVariant WorksheetModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !contains(index.row(), index.column()))
        return {};
    const Cell& cell = at(index.row(), index.column());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return cell.text;
    case Qt::FontRole:
        return font(cell.format);
    case Qt::TextAlignmentRole:
        return static_cast<int>(alignment(cell.format));
    case Qt::ForegroundRole:
        return QBrush(colour_of(cell.format.text_colour));
    case Qt::BackgroundRole:
        return QBrush(colour_of(cell.format.back_colour));
    default:
        return {};
    }
}

// The user's typing arrives here from the in-place editor.
bool WorksheetModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || !contains(index.row(), index.column()))
        return false;
    if (at(index.row(), index.column()).format.read_only)
        return false;
    set_text(index.row(), index.column(), value.toString());
    return true;
}

Qt::ItemFlags WorksheetModel::flags(const QModelIndex& index) const {
    if (!index.isValid() || !contains(index.row(), index.column()))
        return Qt::NoItemFlags;
    Qt::ItemFlags result = Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
    if (!at(index.row(), index.column()).format.read_only)
        result |= Qt::ItemIsEditable;
    return result;
}

bool WorksheetModel::contains(int row, int column) const {
    return row >= 0 && row < rows_ && column >= 0 && column < columns_;
}

// Few distinct fonts occur on a sheet, so data() hands out cached copies.
QFont WorksheetModel::font(const CellFormat& format) const {
    const int key = format.font_size * 16 + format.font_style;
    const auto found = fonts_.constFind(key);
    if (found != fonts_.constEnd())
        return *found;
    QFont result = base_font_;
    if (format.font_size > 0)
        result.setPixelSize(format.font_size);
    result.setBold((format.font_style & font_bold) != 0);
    result.setItalic((format.font_style & font_italic) != 0);
    result.setUnderline((format.font_style & font_underline) != 0);
    result.setStrikeOut((format.font_style & font_strike_out) != 0);
    fonts_.insert(key, result);
    return result;
}

Qt::Alignment WorksheetModel::alignment(const CellFormat& format) {
    switch (format.alignment) {
    case CellAlignment::centred:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case CellAlignment::right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case CellAlignment::left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

std::optional<CellRange> WorksheetModel::cut(CellRange range) const {
    if (!contains(range.first_row, range.first_column))
        return std::nullopt;
    range.last_row = std::min(range.last_row, rows_ - 1);
    range.last_column = std::min(range.last_column, columns_ - 1);
    if (range.last_row < range.first_row || range.last_column < range.first_column)
        return std::nullopt;
    return range;
}

std::vector<CellRange> WorksheetModel::merges() const {
    std::vector<CellRange> result;
    result.reserve(merges_.size());
    for (const auto& entry : merges_)
        result.push_back(entry.second);
    return result;
}

std::optional<CellRange> WorksheetModel::merge_at(int row, int column) const {
    const std::vector<CellRange> found = merges_meeting(CellRange::cell(row, column));
    if (found.empty())
        return std::nullopt;
    return found.front();
}

// A merge meeting the area starts at most tallest_merge_ - 1 rows above it, so only that stretch
// of the ordered map is looked at.
std::vector<CellRange> WorksheetModel::merges_meeting(CellRange area) const {
    std::vector<CellRange> result;
    const int from_row = area.first_row - std::min(area.first_row, tallest_merge_ - 1);
    for (auto it = merges_.lower_bound({from_row, INT_MIN});
         it != merges_.end() && it->first.first <= area.last_row; ++it) {
        if (ranges_meet(it->second, area))
            result.push_back(it->second);
    }
    return result;
}

void WorksheetModel::set_text(int row, int column, const QString& text) {
    static const QList<int> text_roles = {Qt::DisplayRole, Qt::EditRole};
    at(row, column).text = text;
    announce(CellRange::cell(row, column), text_roles);
}

std::vector<CellRange> WorksheetModel::merge(CellRange range) {
    std::vector<CellRange> dropped = merges_meeting(range);
    for (const CellRange& old : dropped)
        merges_.erase({old.first_row, old.first_column});
    merges_.emplace(std::pair(range.first_row, range.first_column), range);
    tallest_merge_ = std::max(tallest_merge_, range.last_row - range.first_row + 1);
    return dropped;
}

// Rows are announced at once even inside a batch: the views must know how many rows there are
// before anyone sizes or merges them.
void WorksheetModel::set_row_count(int rows) {
    if (rows > rows_) {
        beginInsertRows(QModelIndex(), rows_, rows - 1);
        ensure_blocks(rows);
        rows_ = rows;
        endInsertRows();
    } else if (rows < rows_) {
        beginRemoveRows(QModelIndex(), rows, rows_ - 1);
        empty_rows(rows, rows_ - 1);
        rows_ = rows;
        for (auto it = merges_.begin(); it != merges_.end();) {
            CellRange& kept = it->second;
            kept.last_row = std::min(kept.last_row, rows - 1);
            const bool gone = kept.first_row >= rows || (kept.first_row == kept.last_row &&
                                                         kept.first_column == kept.last_column);
            it = gone ? merges_.erase(it) : std::next(it);
        }
        endRemoveRows();
    }
}

void WorksheetModel::clear() {
    empty_rows(0, rows_ - 1);
    merges_.clear();
    tallest_merge_ = 1;
    if (rows_ > 0)
        announce({0, 0, rows_ - 1, columns_ - 1}, {});
}

void WorksheetModel::ensure_blocks(int rows) {
    const std::size_t needed = static_cast<std::size_t>((rows + block_rows - 1) / block_rows);
    const std::size_t block_cells = static_cast<std::size_t>(block_rows * columns_);
    while (blocks_.size() < needed)
        blocks_.push_back(std::make_unique<Cell[]>(block_cells));
}

void WorksheetModel::empty_rows(int first, int last) {
    for (int row = first; row <= last; ++row)
        std::fill_n(&at(row, 0), columns_, Cell{});
}

void WorksheetModel::set_base_font(const QFont& font) {
    base_font_ = font;
    fonts_.clear();
}

void WorksheetModel::begin_batch() {
    ++batch_depth_;
}

void WorksheetModel::end_batch() {
    if (--batch_depth_ > 0 || !pending_)
        return;
    const std::optional<CellRange> changed = cut(*pending_);
    pending_.reset();
    if (changed)
        announce(*changed, {});
}

void WorksheetModel::announce(const CellRange& range, const QList<int>& roles) {
    if (batch_depth_ > 0) {
        if (pending_)
            grow_to_enclose(*pending_, range);
        else
            pending_ = range;
        return;
    }
    emit dataChanged(index(range.first_row, range.first_column),
                     index(range.last_row, range.last_column), roles);
}
