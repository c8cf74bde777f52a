#include "platform/ReportList.h"

#include <QApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <algorithm>
#include <cstdint>
#include <utility>
#include <string>
#include <string_view>

#include "platform/Texts.h"

namespace dorv::platform {

int CompareTextsNoCase(const ListRow& a, const ListRow& b, int column) {
  return QString::compare(a.Text(column), b.Text(column), Qt::CaseInsensitive);
}

void AppendFolded(const QString& text, std::u16string& folded) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    char32_t unit = text[i].unicode();
    if (QChar::isHighSurrogate(unit) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
      char32_t point = QChar::toCaseFolded(QChar::surrogateToUcs4(text[i], text[i + 1]));
      folded += QChar::highSurrogate(point);
      folded += QChar::lowSurrogate(point);
      ++i;
    } else {
      folded += static_cast<char16_t>(QChar::toCaseFolded(unit));
    }
  }
}

namespace {

bool ComparesTextsNoCase(const RowCompare& compare) {
  using Plain = int (*)(const ListRow&, const ListRow&, int);
  const Plain* plain = compare.target<Plain>();
  return !compare || (plain && *plain == &CompareTextsNoCase);
}

// The rows' texts of one column folded once, end to end in one buffer: sorting compares their
// code units, which orders them as CompareTextsNoCase does, without a call or string per step.
class FoldedColumn {
 public:
  FoldedColumn(const std::vector<std::unique_ptr<ListRow>>& rows, int column) {
    m_spans.reserve(rows.size());
    for (const auto& row : rows) {
      const std::size_t start = m_texts.size();
      AppendFolded(row->Text(column), m_texts);
      m_spans.push_back({static_cast<std::uint32_t>(start),
                         static_cast<std::uint32_t>(m_texts.size() - start)});
    }
  }
  std::size_t Rows() const { return m_spans.size(); }
  std::u16string_view Key(std::size_t row) const {
    return std::u16string_view(m_texts).substr(m_spans[row].first, m_spans[row].second);
  }

 private:
  std::u16string m_texts;
  std::vector<std::pair<std::uint32_t, std::uint32_t>> m_spans;  // start, length
};

// A row's place in a sort by folded texts: the first eight code units of its key packed so that
// comparing the numbers compares them, with the whole key looked up only when those tie. Sorting
// these, side by side in memory, touches far less than sorting row numbers.
struct SortEntry {
  std::uint64_t first, second;  // code units 0-3 and 4-7, zero beyond the key's end
  std::uint32_t length;
  std::uint32_t row;
};

std::vector<SortEntry> SortEntriesOf(const FoldedColumn& keys) {
  std::vector<SortEntry> entries(keys.Rows());
  for (std::size_t row = 0; row < entries.size(); ++row) {
    std::u16string_view key = keys.Key(row);
    std::uint64_t packed[2] = {0, 0};
    for (std::size_t i = 0; i < 8 && i < key.size(); ++i)
      packed[i / 4] |= std::uint64_t{key[i]} << (48 - 16 * (i % 4));
    entries[row] = {packed[0], packed[1], static_cast<std::uint32_t>(key.size()),
                    static_cast<std::uint32_t>(row)};
  }
  return entries;
}

bool Before(const SortEntry& a, const SortEntry& b, const FoldedColumn& keys) {
  if (a.first != b.first) return a.first < b.first;
  if (a.second != b.second) return a.second < b.second;
  if (a.length <= 8 && b.length <= 8) return a.length < b.length;
  return keys.Key(a.row) < keys.Key(b.row);
}

}  // namespace

ReportListModel::ReportListModel(std::vector<ListColumn> columns, RowCompare compare,
                                 QObject* parent)
    : QAbstractTableModel(parent), m_columns(std::move(columns)), m_compare(std::move(compare)) {}

int ReportListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int ReportListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant ReportListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
    return m_rows[index.row()]->Text(index.column());
  if (role == Qt::TextAlignmentRole)
    return QVariant::fromValue(m_columns[index.column()].alignment | Qt::AlignVCenter);
  return {};
}

QVariant ReportListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
      section < columnCount())
    return m_columns[section].title;
  return {};
}

void ReportListModel::AddRow(std::unique_ptr<ListRow> row) {
  int at = rowCount();
  beginInsertRows({}, at, at);
  m_rows.push_back(std::move(row));
  endInsertRows();
}

void ReportListModel::AddRows(std::vector<std::unique_ptr<ListRow>> rows) {
  if (rows.empty()) return;
  int first = rowCount();
  beginInsertRows({}, first, first + static_cast<int>(rows.size()) - 1);
  m_rows.reserve(m_rows.size() + rows.size());
  for (auto& row : rows) m_rows.push_back(std::move(row));
  endInsertRows();
}

std::unique_ptr<ListRow> ReportListModel::TakeRow(int index) {
  if (index < 0 || index >= rowCount()) return nullptr;
  beginRemoveRows({}, index, index);
  std::unique_ptr<ListRow> row = std::move(m_rows[index]);
  m_rows.erase(m_rows.begin() + index);
  endRemoveRows();
  return row;
}

void ReportListModel::Clear() {
  beginResetModel();
  m_rows.clear();
  endResetModel();
}

const ListRow* ReportListModel::Row(int index) const {
  return index >= 0 && index < rowCount() ? m_rows[index].get() : nullptr;
}

void ReportListModel::SortByColumn(int column) {
  if (column < 0 || column >= columnCount()) return;
  Sort(column, column == m_sortColumn ? !m_ascending : true);
}

void ReportListModel::Sort(int column, bool ascending) {
  if (column < 0 || column >= columnCount()) return;
  m_ascending = ascending;
  m_sortColumn = column;
  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  std::vector<int> order(m_rows.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
  if (ComparesTextsNoCase(m_compare)) {
    const FoldedColumn keys(m_rows, column);
    std::vector<SortEntry> entries = SortEntriesOf(keys);
    std::stable_sort(entries.begin(), entries.end(), [&](const SortEntry& a, const SortEntry& b) {
      return ascending ? Before(a, b, keys) : Before(b, a, keys);
    });
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(entries[i].row);
  } else {
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
      int result = m_compare(*m_rows[a], *m_rows[b], column);
      return ascending ? result < 0 : result > 0;
    });
  }
  std::vector<std::unique_ptr<ListRow>> sorted(m_rows.size());
  std::vector<int> newRowOf(m_rows.size());
  for (std::size_t i = 0; i < order.size(); ++i) {
    sorted[i] = std::move(m_rows[order[i]]);
    newRowOf[order[i]] = static_cast<int>(i);
  }
  m_rows = std::move(sorted);
  const QModelIndexList before = persistentIndexList();
  QModelIndexList after;
  after.reserve(before.size());
  for (const QModelIndex& index : before)
    after.push_back(this->index(newRowOf[index.row()], index.column()));
  changePersistentIndexList(before, after);
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

std::vector<int> ColumnWidths(int clientWidth, const std::vector<ListColumn>& columns,
                              int scrollBarWidth) {
  std::vector<int> widths;
  int used = 0;
  for (std::size_t i = 0; i + 1 < columns.size(); ++i) {
    widths.push_back(clientWidth * columns[i].widthUnits / 100);
    used += widths.back();
  }
  if (!columns.empty()) widths.push_back(std::max(0, clientWidth - used - scrollBarWidth));
  return widths;
}

CellPlan PlanCell(const QFontMetrics& metrics, const QString& text, int cellWidth, int column,
                  Qt::Alignment columnAlignment) {
  if (column == 0) {
    // The label area is narrowed by two pixels on each side.
    return {FitText(metrics, text, cellWidth - 4, 4), Qt::AlignLeft, 2};
  }
  QString fitted = FitText(metrics, text, cellWidth, 12);
  Qt::Alignment alignment = fitted == text ? columnAlignment : Qt::AlignLeft;
  return {fitted, alignment, 6};
}

QString CellToolTip(const QFontMetrics& metrics, const QString& text, int cellWidth, int column) {
  return PlanCell(metrics, text, cellWidth, column, Qt::AlignLeft).text == text ? QString() : text;
}

RowColours ColoursOf(bool selected, bool viewRole, const QColor& buttonFace) {
  if (selected) return {QColor(175, 4, 4), QColor(Qt::white)};
  return {viewRole ? buttonFace : QColor(Qt::white), QColor()};
}

void ListRowPainter::paint(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const {
  bool selected = option.state & QStyle::State_Selected;
  RowColours colours =
      ColoursOf(selected, m_viewRole, option.palette.color(QPalette::Button));
  painter->save();
  painter->fillRect(option.rect, colours.background);
  painter->setPen(colours.text.isValid() ? colours.text
                                         : option.palette.color(QPalette::Text));
  painter->setFont(option.font);
  QString text = index.data(Qt::DisplayRole).toString();
  auto alignment = Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt()) &
                   Qt::AlignHorizontal_Mask;
  CellPlan plan = PlanCell(option.fontMetrics, text, option.rect.width(), index.column(),
                           alignment ? alignment : Qt::AlignLeft);
  int rightInset = index.column() == 0 ? 2 : 6;
  QRect textRect = option.rect.adjusted(plan.inset, 0, -rightInset, 0);
  painter->drawText(textRect, int(plan.alignment | Qt::AlignVCenter | Qt::TextSingleLine), plan.text);
  // The current row shows a focus rectangle while the list has the keyboard focus.
  if ((option.state & QStyle::State_HasFocus) && option.widget && option.widget->hasFocus()) {
    painter->setPen(QPen(colours.text.isValid() ? colours.text : QColor(Qt::black), 1, Qt::DotLine));
    painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
  }
  painter->restore();
}

bool ListRowPainter::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                               const QStyleOptionViewItem& option, const QModelIndex& index) {
  if (event->type() == QEvent::ToolTip &&
      CellToolTip(option.fontMetrics, index.data(Qt::DisplayRole).toString(), option.rect.width(),
                  index.column())
          .isEmpty()) {
    QToolTip::hideText();
    return true;
  }
  return QStyledItemDelegate::helpEvent(event, view, option, index);
}

ReportList::ReportList(bool viewRole, QWidget* parent) : QTreeView(parent) {
  setRootIsDecorated(false);
  setItemsExpandable(false);
  setUniformRowHeights(true);
  setAllColumnsShowFocus(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setItemDelegate(new ListRowPainter(viewRole, this));
  header()->setSectionsClickable(true);
  header()->setStretchLastSection(false);
  header()->setSectionResizeMode(QHeaderView::Interactive);
  connect(header(), &QHeaderView::sectionClicked, this, [this](int column) {
    if (m_headerClick)
      m_headerClick(column);
    else if (m_model)
      m_model->SortByColumn(column);
  });
}

void ReportList::SetModel(ReportListModel* model) {
  m_model = model;
  setModel(model);
  // The column the rows are sorted by shows its arrow, whoever sorted them.
  header()->setSortIndicatorShown(true);
  if (model)
    connect(model, &QAbstractItemModel::layoutChanged, this, &ReportList::ShowSortIndicator);
  ShowSortIndicator();
  ApplyColumnWidths();
}

void ReportList::ShowSortIndicator() {
  if (!m_model) return;
  header()->setSortIndicator(m_model->SortColumn(),
                             m_model->Ascending() ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void ReportList::ApplyColumnWidths() {
  if (!m_model) return;
  int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  auto widths = ColumnWidths(viewport()->width() + (verticalScrollBar()->isVisible() ? scrollBar : 0),
                             m_model->Columns(), scrollBar);
  for (std::size_t i = 0; i < widths.size(); ++i) setColumnWidth(static_cast<int>(i), widths[i]);
}

void ReportList::resizeEvent(QResizeEvent* event) {
  QTreeView::resizeEvent(event);
  ApplyColumnWidths();
}

}  // namespace dorv::platform
