#include "worksheet/grid.h"
#include "worksheet/layout.h"

#include <QSignalSpy>
#include <QTest>

namespace {

const QString title = QStringLiteral("小学数学题题库");
const QString headings[3] = {QStringLiteral("序号"), QStringLiteral("题目"),
                             QStringLiteral("答案")};

CellFormat centred_read_only(int font_size, std::uint8_t style = 0) {
    CellFormat format;
    format.font_size = font_size;
    format.font_style = style;
    format.alignment = CellAlignment::centred;
    format.read_only = true;
    return format;
}

struct ExpectedCell {
    QString text;
    CellFormat format;
};

// What a cell of a sheet laid out for count questions holds, worked out from the page geometry
// alone: title and heading rows, then question k at (page, row i, group g).
ExpectedCell expected_cell(int count, int row, int column) {
    const int page = row / 32;
    const int in_page = row % 32;
    if (in_page == 0)
        return column == 0 ? ExpectedCell{title, centred_read_only(26, 1)} : ExpectedCell{};
    if (in_page == 1)
        return {headings[column % 3], centred_read_only(18)};
    const int question_row = in_page - 1;
    const int k = 90 * page + 3 * (question_row - 1) + column / 3 + 1;
    if (column % 3 == 0 && k <= count)
        return {QString::number(k), centred_read_only(18)};
    return {};
}

void expect_sheet(const WorksheetGrid& grid, int count) {
    const int pages = count <= 0 ? 1 : (count + 89) / 90;
    QCOMPARE(grid.row_count(), 32 * pages);
    QCOMPARE(grid.column_count(), 9);
    std::vector<CellRange> titles;
    for (int p = 0; p < pages; ++p)
        titles.push_back({32 * p, 0, 32 * p, 8});
    QVERIFY(grid.sheet().merges() == titles);
    const int widths[9] = {40, 150, 50, 40, 150, 50, 40, 150, 50};
    for (int c = 0; c < 9; ++c)
        QCOMPARE(grid.columnWidth(c), widths[c]);
    for (int r = 0; r < grid.row_count(); ++r) {
        QCOMPARE(grid.rowHeight(r), r % 32 == 0 ? 40 : 33);
        QCOMPARE(grid.columnSpan(r, 0), r % 32 == 0 ? 9 : 1);
        QCOMPARE(grid.rowSpan(r, 0), 1);
        for (int c = 0; c < 9; ++c) {
            const ExpectedCell expected = expected_cell(count, r, c);
            if (grid.get_cell_text(r, c) != expected.text ||
                !(grid.sheet().format(r, c) == expected.format))
                QFAIL(qPrintable(QStringLiteral("cell (%1, %2) holds \"%3\" in the wrong format?")
                                     .arg(r)
                                     .arg(c)
                                     .arg(grid.get_cell_text(r, c))));
        }
    }
}

} // namespace

class LayoutTest : public QObject {
    Q_OBJECT
  private slots:
    void lays_out_pages_data();
    void lays_out_pages();
    void cells_show_their_fonts();
    void a_smaller_layout_drops_pages_and_contents();
    void layout_announces_once();
};

void LayoutTest::lays_out_pages_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::newRow("1: the only number") << 1 << 32 << 2 << 0 << "1";
    QTest::newRow("1: column 3 empty") << 1 << 32 << 2 << 3 << "";
    QTest::newRow("1: column 6 empty") << 1 << 32 << 2 << 6 << "";
    QTest::newRow("2: second number") << 2 << 32 << 2 << 3 << "2";
    QTest::newRow("90: first") << 90 << 32 << 2 << 0 << "1";
    QTest::newRow("90: last") << 90 << 32 << 31 << 6 << "90";
    QTest::newRow("91: second title") << 91 << 64 << 32 << 0 << title;
    QTest::newRow("91: second headings") << 91 << 64 << 33 << 7 << headings[1];
    QTest::newRow("91: 91 in row 34") << 91 << 64 << 34 << 0 << "91";
    QTest::newRow("91: rest of row 34 empty") << 91 << 64 << 34 << 3 << "";
    QTest::newRow("91: row 35 empty") << 91 << 64 << 35 << 0 << "";
    QTest::newRow("180: 91 in row 34") << 180 << 64 << 34 << 0 << "91";
    QTest::newRow("180: 180 in row 63") << 180 << 64 << 63 << 6 << "180";
    QTest::newRow("0: headings only") << 0 << 32 << 1 << 8 << headings[2];
    QTest::newRow("0: no number") << 0 << 32 << 2 << 0 << "";
    QTest::newRow("-5: title") << -5 << 32 << 0 << 0 << title;
    QTest::newRow("-5: no number") << -5 << 32 << 2 << 0 << "";
}

// A landmark of each case, then every cell, merge and size against the page geometry.
void LayoutTest::lays_out_pages() {
    QFETCH(int, count);
    QFETCH(int, rows);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, text);
    WorksheetGrid grid;
    lay_out_worksheet(grid, count);
    QCOMPARE(grid.row_count(), rows);
    QCOMPARE(grid.get_cell_text(row, column), text);
    expect_sheet(grid, count);
}

void LayoutTest::cells_show_their_fonts() {
    WorksheetGrid grid;
    lay_out_worksheet(grid, 91);
    const WorksheetModel& sheet = grid.sheet();
    const QFont title_font = sheet.index(32, 0).data(Qt::FontRole).value<QFont>();
    QCOMPARE(title_font.pixelSize(), 26);
    QVERIFY(title_font.bold());
    const QFont heading_font = sheet.index(33, 4).data(Qt::FontRole).value<QFont>();
    QCOMPARE(heading_font.pixelSize(), 18);
    QVERIFY(!heading_font.bold());
    QCOMPARE(sheet.index(34, 0).data(Qt::FontRole).value<QFont>().pixelSize(), 18);
    QCOMPARE(sheet.index(34, 0).data(Qt::TextAlignmentRole).toInt(),
             int(Qt::AlignHCenter | Qt::AlignVCenter));
    QVERIFY(!(sheet.flags(sheet.index(34, 0)) & Qt::ItemIsEditable));
    QVERIFY(sheet.flags(sheet.index(34, 1)) & Qt::ItemIsEditable);
    QVERIFY(sheet.flags(sheet.index(34, 2)) & Qt::ItemIsEditable);
    QCOMPARE(sheet.index(34, 1).data(Qt::FontRole).value<QFont>(), grid.font());
}

// Questions, answers, marks and extra merges of an earlier sheet are gone after a new layout,
// and pages that come back come back clean.
void LayoutTest::a_smaller_layout_drops_pages_and_contents() {
    WorksheetGrid grid;
    lay_out_worksheet(grid, 180);
    grid.set_cell_text(2, 1, QStringLiteral("7+5="));
    grid.set_cell_text(2, 2, QStringLiteral("12"));
    grid.set_back_colour(CellRange::cell(2, 2), 255);
    grid.set_text_colour(CellRange::cell(40, 5), 0xFF0000);
    grid.set_cell_text(63, 7, QStringLiteral("1+1="));
    grid.merge_cells({50, 1, 52, 2});
    grid.set_row_height(45, 70);

    lay_out_worksheet(grid, 90);
    expect_sheet(grid, 90);
    lay_out_worksheet(grid, 100);
    expect_sheet(grid, 100);
}

void LayoutTest::layout_announces_once() {
    WorksheetGrid grid;
    lay_out_worksheet(grid, 180);
    QSignalSpy changed(&grid.sheet(), &QAbstractItemModel::dataChanged);
    QSignalSpy reset(&grid.sheet(), &QAbstractItemModel::modelReset);
    lay_out_worksheet(grid, 270);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(reset.count(), 0);
    QCOMPARE(changed[0][1].toModelIndex(), grid.sheet().index(95, 8));
    expect_sheet(grid, 270);
}

int run_layout_tests(int argc, char** argv) {
    LayoutTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "layout_test.moc"
