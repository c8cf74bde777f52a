#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QHeaderView>

#include "platform/ReadOnlyField.h"
#include "platform/ReportList.h"

using namespace dorv::platform;

namespace {

struct TextRow final : ListRow {
  explicit TextRow(QStringList texts) : texts(std::move(texts)) {}
  QString Text(int column) const override { return texts.value(column); }
  QStringList texts;
};

std::vector<ListColumn> TwoColumns() {
  return {{"Name", 60, Qt::AlignLeft}, {"Cost", 40, Qt::AlignRight}};
}

QStringList TextsIn(const ReportListModel& model, int column = 0) {
  QStringList names;
  for (int i = 0; i < model.rowCount(); ++i) names << model.Row(i)->Text(column);
  return names;
}

}  // namespace

TEST(ReportListModel, HeaderClickSortsIgnoringCaseSecondClickReversesAndRowsKeepTheirIndexes) {
  ReportListModel model(TwoColumns());
  std::vector<std::unique_ptr<ListRow>> rows;
  for (const char* name : {"bravo", "Alpha", "charlie"})
    rows.push_back(std::make_unique<TextRow>(QStringList{name, "1"}));
  model.AddRows(std::move(rows));
  QPersistentModelIndex charlie = model.index(2, 0);
  model.SortByColumn(0);
  EXPECT_EQ(TextsIn(model), (QStringList{"Alpha", "bravo", "charlie"}));
  ReportList list;
  list.SetModel(&model);
  model.SortByColumn(0);
  EXPECT_EQ(TextsIn(model), (QStringList{"charlie", "bravo", "Alpha"}));
  EXPECT_EQ(charlie.row(), 0);
  EXPECT_EQ(std::pair(list.header()->sortIndicatorSection(), list.header()->sortIndicatorOrder()),
            std::pair(0, Qt::DescendingOrder))
      << "the sorted column shows its arrow";
  model.SortByColumn(1);
  EXPECT_TRUE(model.Ascending()) << "another column starts ascending";
  model.Sort(0, true);
  auto taken = model.TakeRow(0);
  ASSERT_NE(taken, nullptr);
  EXPECT_EQ(taken->Text(0), "Alpha");
  EXPECT_EQ(model.TakeRow(5), nullptr);
  EXPECT_EQ(TextsIn(model), (QStringList{"bravo", "charlie"}));
}

// Texts alike in their first eight letters, of every length around eight, in both directions;
// rows that compare equal keep their order.
TEST(ReportListModel, TextSortOfLongAndShortLookAlikes) {
  ReportListModel model(TwoColumns());
  const QStringList texts = {"Businesses", "business", "b", "BUSINESS PARTNER", "",
                             "Busi",       "BUSINESS", "business partner", "Businesse"};
  for (int i = 0; i < texts.size(); ++i)
    model.AddRow(std::make_unique<TextRow>(QStringList{texts[i], QString::number(i)}));
  model.Sort(0, true);
  EXPECT_EQ(TextsIn(model, 1).join(' '), "4 2 5 1 6 3 7 8 0");
  model.Sort(0, false);
  EXPECT_EQ(TextsIn(model, 1).join(' '), "0 8 3 7 1 6 5 2 4");
}

TEST(ReportListModel, DialogComparisonDecidesTheOrder) {
  auto byNumber = [](const ListRow& a, const ListRow& b, int column) {
    return a.Text(column).toInt() - b.Text(column).toInt();
  };
  ReportListModel model(TwoColumns(), byNumber);
  for (const char* cost : {"10", "9", "100"})
    model.AddRow(std::make_unique<TextRow>(QStringList{cost, cost}));
  model.SortByColumn(1);
  EXPECT_EQ(TextsIn(model), (QStringList{"9", "10", "100"}));
}

// The list sorts on folded texts; they must order every pair as the comparison without case.
TEST(ReportListModel, FoldedTextsOrderAsTheComparisonWithoutCase) {
  const char16_t* pairs[][2] = {
      {u"abc", u"ABD"},    {u"Zebra", u"_under"}, {u"alpha", u"Alpha"}, {u"ab", u"ABC"},
      {u"", u"a"},         {u"stra\u00DFe", u"STRASSE"}, {u"\u00B5", u"\u00FF"},
      {u"\u00C9mile", u"emile"}, {u"\u00E9", u"F"},     {u"9", u"a"},     {u"[", u"a"},
      {u"\u00DE", u"\u00FE"},    {u"\U0001D400", u"\uFFFD"}, {u"\U00010400", u"\U00010428"},
  };
  for (const auto& pair : pairs) {
    const QString a = QString::fromUtf16(pair[0]), b = QString::fromUtf16(pair[1]);
    SCOPED_TRACE((a + " | " + b).toStdString());
    std::u16string foldedA, foldedB;
    AppendFolded(a, foldedA);
    AppendFolded(b, foldedB);
    auto sign = [](int v) { return (v > 0) - (v < 0); };
    EXPECT_EQ(sign(foldedA.compare(foldedB)), sign(QString::compare(a, b, Qt::CaseInsensitive)));
  }
}

TEST(ReportListLayout, ColumnWidthsInHundredthsLastTakesTheRestAndCellsFitAndAlign) {
  std::vector<ListColumn> columns = {{"a", 25}, {"b", 25}, {"c", 10}};
  EXPECT_EQ(ColumnWidths(400, columns, 16), (std::vector<int>{100, 100, 184}));
  EXPECT_EQ(ColumnWidths(0, columns, 16), (std::vector<int>{0, 0, 0}));
  // The first column's cells and the cut ones align left, the others as their column says.
  QFontMetrics metrics(QFont("Sans Serif", 10));
  EXPECT_EQ(PlanCell(metrics, "Name", 500, 0, Qt::AlignRight).alignment, Qt::AlignLeft);
  EXPECT_EQ(PlanCell(metrics, "$1.0000", 500, 1, Qt::AlignRight).alignment, Qt::AlignRight);
  CellPlan squeezed = PlanCell(metrics, "$123456789.0000", 40, 1, Qt::AlignRight);
  EXPECT_TRUE(squeezed.text.endsWith("..."));
  EXPECT_EQ(squeezed.alignment, Qt::AlignLeft);
}

// A cell or field cut short offers its whole text as a tool tip; one that fits offers none.
TEST(ReportListLayout, CutTextsOfferTheirWholeTextAsToolTip) {
  const QFontMetrics metrics(QFont("Sans Serif", 10));
  const QString text = "Evening and weekend band, Mon-Fri 5:00 PM - 8:00 AM";
  const int wide = metrics.horizontalAdvance(text);
  struct Case { int column, width; bool cut; };
  for (const Case c : {Case{0, wide + 8, false}, Case{0, wide + 7, true}, Case{1, wide + 12, false},
                       Case{1, wide + 11, true}, Case{-1, wide, false}, Case{-1, wide - 1, true}}) {
    SCOPED_TRACE(testing::Message() << c.column << " " << c.width - wide);
    const QString tip = c.column < 0 ? CutTextTip(metrics, text, c.width)
                                     : CellToolTip(metrics, text, c.width, c.column);
    EXPECT_EQ(tip, c.cut ? text : QString());
  }
  EXPECT_EQ(CellToolTip(metrics, "", 0, 1), "");
}
