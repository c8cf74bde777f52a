#pragma once
#include <QAbstractTableModel>
#include <QColor>
#include <QStyledItemDelegate>
#include <QTreeView>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <typeinfo>
#include <vector>

namespace dorv::platform {

// One row of a report list; the model owns it and destroys it with its row.
class ListRow {
 public:
  virtual ~ListRow() = default;
  virtual QString Text(int column) const = 0;
};

struct ListColumn {
  QString title;
  int widthUnits;  // hundredths of the list's client width; the last column takes the rest
  Qt::Alignment alignment = Qt::AlignLeft;
};

// Negative, zero or positive as a sorts before, with or after b in the given column.
using RowCompare = std::function<int(const ListRow& a, const ListRow& b, int column)>;

// Compares the column texts without regard to letter case.
int CompareTextsNoCase(const ListRow& a, const ListRow& b, int column);
// Appends the text folded as that comparison folds it: two folded texts compare, code unit by
// code unit and then by length, as CompareTextsNoCase compares the texts.
void AppendFolded(const QString& text, std::u16string& folded);

// A comparison written for the one kind of row a list holds; should rows of another kind
// meet it, they compare by their texts.
template <class Row>
RowCompare CompareAs(int (*compare)(const Row& a, const Row& b, int column)) {
  return [compare](const ListRow& a, const ListRow& b, int column) {
    if constexpr (std::is_final_v<Row>) {
      // A final class is told by its type alone, far quicker than a cast a sort makes millions of.
      if (typeid(a) == typeid(Row) && typeid(b) == typeid(Row))
        return compare(static_cast<const Row&>(a), static_cast<const Row&>(b), column);
    } else {
      const auto* first = dynamic_cast<const Row*>(&a);
      const auto* second = dynamic_cast<const Row*>(&b);
      if (first && second) return compare(*first, *second, column);
    }
    return CompareTextsNoCase(a, b, column);
  };
}

class ReportListModel final : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit ReportListModel(std::vector<ListColumn> columns, RowCompare compare = CompareTextsNoCase,
                           QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  void AddRow(std::unique_ptr<ListRow> row);
  // Adds many rows at the end with one notification: a list of a large file fills at once.
  void AddRows(std::vector<std::unique_ptr<ListRow>> rows);
  // Removes a row and hands its object to the caller.
  std::unique_ptr<ListRow> TakeRow(int index);
  void Clear();
  const ListRow* Row(int index) const;
  // The row as the kind the list was filled with; null when out of range or of another kind.
  template <class Row>
  const Row* RowAs(int index) const {
    return dynamic_cast<const Row*>(this->Row(index));
  }
  const std::vector<ListColumn>& Columns() const { return m_columns; }

  // A first click on a column sorts it ascending; a second click on the same column reverses.
  void SortByColumn(int column);
  // Sorts by a column in the given direction, rows comparing equal keeping their order;
  // selections and other persistent indexes follow their rows.
  void Sort(int column, bool ascending);
  int SortColumn() const { return m_sortColumn; }
  bool Ascending() const { return m_ascending; }

 private:
  std::vector<ListColumn> m_columns;
  RowCompare m_compare;
  std::vector<std::unique_ptr<ListRow>> m_rows;
  int m_sortColumn = -1;
  bool m_ascending = true;
};

// Column widths in pixels: units of clientWidth / 100, the last taking the remainder less
// the scroll bar's width.
std::vector<int> ColumnWidths(int clientWidth, const std::vector<ListColumn>& columns,
                              int scrollBarWidth);

// How one cell of a row is painted.
struct CellPlan {
  QString text;
  Qt::Alignment alignment;
  int inset;  // pixels in from the cell's left edge
};
CellPlan PlanCell(const QFontMetrics& metrics, const QString& text, int cellWidth, int column,
                  Qt::Alignment columnAlignment);
// The tool tip of a cell: its whole text when the painted text is shortened, else none.
QString CellToolTip(const QFontMetrics& metrics, const QString& text, int cellWidth, int column);

struct RowColours {
  QColor background;
  QColor text;  // invalid: keep the painter's text colour
};
RowColours ColoursOf(bool selected, bool viewRole, const QColor& buttonFace);

// Paints every row of every report list: white (or button-face) rows, the selected row white
// on dark red, texts fitted with "...".
class ListRowPainter final : public QStyledItemDelegate {
 public:
  explicit ListRowPainter(bool viewRole, QObject* parent = nullptr)
      : QStyledItemDelegate(parent), m_viewRole(viewRole) {}
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  // Shows a cell's tool tip only while the cell shows its text shortened.
  bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                 const QModelIndex& index) override;

 private:
  bool m_viewRole;
};

// A report-style list over a ReportListModel, sorting on header clicks.
class ReportList final : public QTreeView {
  Q_OBJECT
 public:
  explicit ReportList(bool viewRole = false, QWidget* parent = nullptr);
  void SetModel(ReportListModel* model);
  ReportListModel* Model() const { return m_model; }
  void ApplyColumnWidths();
  void ShowSortIndicator();
  // Replaces the model's own header-click sorting with the dialog's.
  void SetHeaderClickHandler(std::function<void(int column)> handler) {
    m_headerClick = std::move(handler);
  }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  ReportListModel* m_model = nullptr;
  std::function<void(int)> m_headerClick;
};

}  // namespace dorv::platform
