#include "support/text.h"
#include "worksheet/grid.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <functional>

Q_DECLARE_METATYPE(CellRange)

namespace {

const CellFormat plain{};

// Every cell of the grid inside the box has the format `inside`, every other cell the default.
void expect_formats(const WorksheetGrid& grid, const CellRange* box, const CellFormat& inside) {
    for (int r = 0; r < grid.row_count(); ++r)
        for (int c = 0; c < grid.column_count(); ++c) {
            const bool in = box && r >= box->first_row && r <= box->last_row &&
                            c >= box->first_column && c <= box->last_column;
            if (!(grid.sheet().format(r, c) == (in ? inside : plain)))
                QFAIL(
                    qPrintable(QStringLiteral("cell (%1, %2) has the wrong format").arg(r).arg(c)));
        }
}

QModelIndex index_of(const WorksheetGrid& grid, int row, int column) {
    return grid.sheet().index(row, column);
}

QVariant role_of(const WorksheetGrid& grid, int row, int column, int role) {
    return index_of(grid, row, column).data(role);
}

QFont font_of(const WorksheetGrid& grid, int row, int column) {
    return role_of(grid, row, column, Qt::FontRole).value<QFont>();
}

struct RangeOperation {
    const char* name;
    std::function<void(WorksheetGrid&, CellRange)> apply;
    std::function<void(CellFormat&)> expected_change;
};

const std::vector<RangeOperation>& range_operations() {
    static const std::vector<RangeOperation> operations = {
        {"set_font_size", [](WorksheetGrid& g, CellRange r) { g.set_font_size(r, 20); },
         [](CellFormat& f) { f.font_size = 20; }},
        {"set_font_style", [](WorksheetGrid& g, CellRange r) { g.set_font_style(r, 5); },
         [](CellFormat& f) { f.font_style = 5; }},
        {"set_alignment", [](WorksheetGrid& g, CellRange r) { g.set_alignment(r, 3); },
         [](CellFormat& f) { f.alignment = CellAlignment::right; }},
        {"set_text_colour", [](WorksheetGrid& g, CellRange r) { g.set_text_colour(r, 255); },
         [](CellFormat& f) { f.text_colour = 255; }},
        {"set_back_colour", [](WorksheetGrid& g, CellRange r) { g.set_back_colour(r, 0xFF0000); },
         [](CellFormat& f) { f.back_colour = 0xFF0000; }},
        {"set_read_only", [](WorksheetGrid& g, CellRange r) { g.set_read_only(r, true); },
         [](CellFormat& f) { f.read_only = true; }},
    };
    return operations;
}

} // namespace

class GridTest : public QObject {
    Q_OBJECT
  private slots:
    void starts_as_an_empty_sheet();
    void range_operations_cut_their_range_data();
    void range_operations_cut_their_range();
    void font_style_codes_data();
    void font_style_codes();
    void alignment_codes_data();
    void alignment_codes();
    void font_size_is_pixels_on_the_grid_face();
    void colours_are_blue_green_red_data();
    void colours_are_blue_green_red();
    void cell_texts_and_numbers_data();
    void cell_texts_and_numbers();
    void cell_operations_outside_do_nothing();
    void sizes_are_exact();
    void row_count_grows_and_shrinks();
    void row_count_cuts_merges_at_the_new_end();
    void reset_restores_the_empty_sheet();
    void merges_data();
    void merges();
    void a_new_merge_replaces_the_merges_it_meets();
    void typing_goes_into_editable_cells_only();
    void batch_announces_once_and_keeps_spans_and_sizes();
    void looks_white_with_black_lines();
};

void GridTest::starts_as_an_empty_sheet() {
    WorksheetGrid grid;
    QCOMPARE(grid.row_count(), 32);
    QCOMPARE(grid.column_count(), 9);
    QCOMPARE(grid.model()->rowCount(), 32);
    QVERIFY(grid.horizontalHeader()->isHidden());
    QVERIFY(grid.verticalHeader()->isHidden());
    QVERIFY(grid.showGrid());
    for (int r = 0; r < 32; ++r)
        QCOMPARE(grid.rowHeight(r), 33);
    for (int c = 0; c < 9; ++c)
        QCOMPARE(grid.columnWidth(c), 60);
    expect_formats(grid, nullptr, plain);
    QVERIFY(grid.get_cell_text(31, 8).isEmpty());
    QVERIFY(grid.sheet().flags(index_of(grid, 0, 0)) & Qt::ItemIsEditable);
    QCOMPARE(role_of(grid, 3, 3, Qt::BackgroundRole).value<QBrush>().color(), QColor(Qt::white));
    QCOMPARE(role_of(grid, 3, 3, Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::black));
    QVERIFY(grid.sheet().merges().empty());
}

void GridTest::range_operations_cut_their_range_data() {
    QTest::addColumn<CellRange>("range");
    QTest::addColumn<bool>("touches");
    QTest::addColumn<CellRange>("cut");
    QTest::newRow("inside") << CellRange{1, 1, 3, 4} << true << CellRange{1, 1, 3, 4};
    QTest::newRow("one cell") << CellRange::cell(5, 5) << true << CellRange::cell(5, 5);
    QTest::newRow("last cell") << CellRange::cell(31, 8) << true << CellRange::cell(31, 8);
    QTest::newRow("end beyond the last row")
        << CellRange{30, 7, 40, 8} << true << CellRange{30, 7, 31, 8};
    QTest::newRow("end beyond the last column")
        << CellRange{0, 6, 0, 20} << true << CellRange{0, 6, 0, 8};
    QTest::newRow("far beyond both")
        << CellRange{0, 0, 100000, 100000} << true << CellRange{0, 0, 31, 8};
    QTest::newRow("first row outside") << CellRange{32, 0, 40, 8} << false << CellRange{};
    QTest::newRow("first column outside") << CellRange{0, 9, 5, 12} << false << CellRange{};
    QTest::newRow("negative first row") << CellRange{-1, 0, 3, 3} << false << CellRange{};
    QTest::newRow("negative first column") << CellRange{0, -1, 3, 3} << false << CellRange{};
    QTest::newRow("rows reversed") << CellRange{5, 0, 4, 8} << false << CellRange{};
    QTest::newRow("columns reversed") << CellRange{0, 5, 3, 4} << false << CellRange{};
}

// Each range operation changes exactly the cut range and announces just that range.
void GridTest::range_operations_cut_their_range() {
    QFETCH(CellRange, range);
    QFETCH(bool, touches);
    QFETCH(CellRange, cut);
    for (const RangeOperation& operation : range_operations()) {
        WorksheetGrid grid;
        QSignalSpy changed(&grid.sheet(), &QAbstractItemModel::dataChanged);
        operation.apply(grid, range);
        CellFormat expected = plain;
        operation.expected_change(expected);
        expect_formats(grid, touches ? &cut : nullptr, expected);
        QVERIFY2(changed.count() == (touches ? 1 : 0), operation.name);
        if (touches) {
            QCOMPARE(changed[0][0].toModelIndex(), index_of(grid, cut.first_row, cut.first_column));
            QCOMPARE(changed[0][1].toModelIndex(), index_of(grid, cut.last_row, cut.last_column));
        }
    }
}

void GridTest::font_style_codes_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("stored");
    QTest::newRow("plain") << 0 << 0;
    QTest::newRow("bold") << 1 << 1;
    QTest::newRow("italic") << 2 << 2;
    QTest::newRow("underline") << 4 << 4;
    QTest::newRow("strike-out") << 8 << 8;
    QTest::newRow("bold italic") << 3 << 3;
    QTest::newRow("all four") << 15 << 15;
    QTest::newRow("16 changes nothing") << 16 << 6;
    QTest::newRow("-1 changes nothing") << -1 << 6;
    QTest::newRow("255 changes nothing") << 255 << 6;
}

void GridTest::font_style_codes() {
    QFETCH(int, code);
    QFETCH(int, stored);
    WorksheetGrid grid;
    grid.set_font_style(CellRange::cell(2, 2), 6);
    grid.set_font_style(CellRange::cell(2, 2), code);
    QCOMPARE(int(grid.sheet().format(2, 2).font_style), stored);
    const QFont font = font_of(grid, 2, 2);
    QCOMPARE(font.bold(), (stored & 1) != 0);
    QCOMPARE(font.italic(), (stored & 2) != 0);
    QCOMPARE(font.underline(), (stored & 4) != 0);
    QCOMPARE(font.strikeOut(), (stored & 8) != 0);
}

void GridTest::alignment_codes_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("horizontal");
    QTest::newRow("2 centred") << 2 << int(Qt::AlignHCenter);
    QTest::newRow("3 right") << 3 << int(Qt::AlignRight);
    QTest::newRow("1 left") << 1 << int(Qt::AlignLeft);
    QTest::newRow("0 left") << 0 << int(Qt::AlignLeft);
    QTest::newRow("4 left") << 4 << int(Qt::AlignLeft);
    QTest::newRow("-2 left") << -2 << int(Qt::AlignLeft);
}

void GridTest::alignment_codes() {
    QFETCH(int, code);
    QFETCH(int, horizontal);
    WorksheetGrid grid;
    grid.set_alignment(CellRange::cell(0, 0), 3);
    grid.set_alignment(CellRange::cell(0, 0), code);
    QCOMPARE(role_of(grid, 0, 0, Qt::TextAlignmentRole).toInt(), horizontal | Qt::AlignVCenter);
}

void GridTest::font_size_is_pixels_on_the_grid_face() {
    WorksheetGrid grid;
    grid.setFont(QFont(QStringLiteral("Noto Sans CJK SC"), 11));
    grid.set_font_size({0, 0, 0, 1}, 26);
    for (const int refused : {0, -5, 65536})
        grid.set_font_size({0, 1, 0, 1}, refused);
    for (const int column : {0, 1}) {
        const QFont font = font_of(grid, 0, column);
        QCOMPARE(font.pixelSize(), 26);
        QCOMPARE(font.family(), QStringLiteral("Noto Sans CJK SC"));
    }
    const QFont unsized = font_of(grid, 0, 2);
    QCOMPARE(unsized.family(), QStringLiteral("Noto Sans CJK SC"));
    QCOMPARE(unsized.pointSize(), 11);
    grid.set_font_size(CellRange::cell(0, 2), 5);
    QCOMPARE(font_of(grid, 0, 2).pixelSize(), 5);
}

void GridTest::colours_are_blue_green_red_data() {
    QTest::addColumn<uint>("bgr");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("255 red") << 255u << QColor(255, 0, 0);
    QTest::newRow("0xFF0000 blue") << 0xFF0000u << QColor(0, 0, 255);
    QTest::newRow("0x00FF00 green") << 0x00FF00u << QColor(0, 255, 0);
    QTest::newRow("0xFFFFFF white") << 0xFFFFFFu << QColor(255, 255, 255);
    QTest::newRow("0x123456") << 0x123456u << QColor(0x56, 0x34, 0x12);
}

void GridTest::colours_are_blue_green_red() {
    QFETCH(uint, bgr);
    QFETCH(QColor, colour);
    WorksheetGrid grid;
    grid.set_text_colour(CellRange::cell(4, 1), bgr);
    grid.set_back_colour(CellRange::cell(4, 2), bgr);
    QCOMPARE(role_of(grid, 4, 1, Qt::ForegroundRole).value<QBrush>().color(), colour);
    QCOMPARE(role_of(grid, 4, 2, Qt::BackgroundRole).value<QBrush>().color(), colour);
    QCOMPARE(role_of(grid, 4, 1, Qt::BackgroundRole).value<QBrush>().color(), QColor(Qt::white));
}

void GridTest::cell_texts_and_numbers_data() {
    QTest::addColumn<double>("number");
    QTest::addColumn<QString>("text");
    QTest::newRow("1.0") << 1.0 << "1";
    QTest::newRow("90") << 90.0 << "90";
    QTest::newRow("-1") << -1.0 << "-1";
    QTest::newRow("0") << 0.0 << "0";
    QTest::newRow("int max") << 2147483647.0 << "2147483647";
    QTest::newRow("beyond int") << 2147483648.0 << "2147483648";
    QTest::newRow("int min") << -2147483648.0 << "-2147483648";
    QTest::newRow("2.5") << 2.5 << "2.5";
    QTest::newRow("a third") << 1.0 / 3.0 << "0.3333333333333";
    QTest::newRow("13 digits") << 9999999999999.0 << "9999999999999";
    QTest::newRow("1e13") << 1e13 << "1e+13";
    QTest::newRow("1e20") << 1e20 << "1e+20";
    QTest::newRow("small") << 0.00001 << "1e-05";
    QTest::newRow("minus zero") << -0.0 << "0";
}

void GridTest::cell_texts_and_numbers() {
    QFETCH(double, number);
    QFETCH(QString, text);
    WorksheetGrid grid;
    grid.set_cell_number(7, 4, number);
    QCOMPARE(grid.get_cell_text(7, 4), text);
    QCOMPARE(text, real_to_text(number));
    QCOMPARE(role_of(grid, 7, 4, Qt::DisplayRole).toString(), text);
    grid.set_cell_text(7, 4, QStringLiteral("12÷3×2="));
    QCOMPARE(grid.get_cell_text(7, 4), QStringLiteral("12÷3×2="));
    QCOMPARE(role_of(grid, 7, 4, Qt::EditRole).toString(), QStringLiteral("12÷3×2="));
}

void GridTest::cell_operations_outside_do_nothing() {
    WorksheetGrid grid;
    QSignalSpy changed(&grid.sheet(), &QAbstractItemModel::dataChanged);
    for (const auto& [row, column] :
         std::vector<std::pair<int, int>>{{32, 0}, {0, 9}, {-1, 0}, {0, -1}, {1000, 1000}}) {
        grid.set_cell_text(row, column, QStringLiteral("x"));
        grid.set_cell_number(row, column, 5);
        QVERIFY(grid.get_cell_text(row, column).isEmpty());
    }
    QCOMPARE(changed.count(), 0);
    grid.set_cell_text(31, 8, QStringLiteral("x"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed[0][0].toModelIndex(), index_of(grid, 31, 8));
    QCOMPARE(changed[0][1].toModelIndex(), index_of(grid, 31, 8));
}

void GridTest::sizes_are_exact() {
    WorksheetGrid grid;
    grid.set_row_height(3, 5);
    grid.set_row_height(4, 0);
    grid.set_row_height(5, 200);
    grid.set_row_height(6, -1);
    grid.set_row_height(32, 10);
    grid.set_row_height(-1, 10);
    grid.set_column_width(1, 5);
    grid.set_column_width(2, 0);
    grid.set_column_width(3, -4);
    grid.set_column_width(9, 10);
    QCOMPARE(grid.rowHeight(3), 5);
    QCOMPARE(grid.rowHeight(4), 0);
    QCOMPARE(grid.rowHeight(5), 200);
    QCOMPARE(grid.rowHeight(6), 33);
    QCOMPARE(grid.columnWidth(1), 5);
    QCOMPARE(grid.columnWidth(2), 0);
    QCOMPARE(grid.columnWidth(3), 60);
    QCOMPARE(grid.verticalHeader()->count(), 32);
    QCOMPARE(grid.horizontalHeader()->count(), 9);
}

void GridTest::row_count_grows_and_shrinks() {
    WorksheetGrid grid;
    grid.set_cell_text(31, 8, QStringLiteral("last"));
    grid.set_font_size(CellRange::cell(31, 8), 26);
    grid.set_row_height(31, 40);
    grid.set_cell_text(10, 0, QStringLiteral("kept"));

    grid.set_row_count(40);
    QCOMPARE(grid.row_count(), 40);
    QCOMPARE(grid.verticalHeader()->count(), 40);
    QCOMPARE(grid.get_cell_text(31, 8), QStringLiteral("last"));
    QCOMPARE(grid.sheet().format(31, 8).font_size, 26);
    QCOMPARE(grid.rowHeight(31), 40);
    for (int r = 32; r < 40; ++r) {
        QCOMPARE(grid.rowHeight(r), 33);
        for (int c = 0; c < 9; ++c) {
            QVERIFY(grid.get_cell_text(r, c).isEmpty());
            QVERIFY(grid.sheet().format(r, c) == plain);
        }
    }
    grid.set_cell_text(39, 0, QStringLiteral("new"));
    grid.set_row_height(35, 12);

    grid.set_row_count(11);
    QCOMPARE(grid.row_count(), 11);
    QCOMPARE(grid.verticalHeader()->count(), 11);
    QCOMPARE(grid.get_cell_text(10, 0), QStringLiteral("kept"));
    QVERIFY(grid.get_cell_text(39, 0).isEmpty());

    for (const int refused : {0, -3})
        grid.set_row_count(refused);
    QCOMPARE(grid.row_count(), 11);

    grid.set_row_count(40);
    QVERIFY(grid.get_cell_text(31, 8).isEmpty());
    QVERIFY(grid.get_cell_text(39, 0).isEmpty());
    QVERIFY(grid.sheet().format(31, 8) == plain);
    QCOMPARE(grid.rowHeight(31), 33);
    QCOMPARE(grid.rowHeight(35), 33);
}

void GridTest::row_count_cuts_merges_at_the_new_end() {
    WorksheetGrid grid;
    grid.set_row_count(40);
    grid.merge_cells({0, 0, 0, 8});
    grid.merge_cells({8, 0, 12, 1});
    grid.merge_cells({9, 4, 10, 4});
    grid.merge_cells({20, 2, 30, 3});
    grid.set_row_count(10);
    const std::vector<CellRange> expected = {{0, 0, 0, 8}, {8, 0, 9, 1}};
    QVERIFY(grid.sheet().merges() == expected);
    QCOMPARE(grid.rowSpan(8, 0), 2);
    QCOMPARE(grid.columnSpan(8, 0), 2);
    QCOMPARE(grid.rowSpan(9, 4), 1);
    QCOMPARE(grid.columnSpan(0, 0), 9);
    grid.set_row_count(40);
    QVERIFY(grid.sheet().merges() == expected);
    QCOMPARE(grid.rowSpan(8, 0), 2);
    QCOMPARE(grid.rowSpan(20, 2), 1);
    QCOMPARE(grid.columnSpan(20, 2), 1);
}

void GridTest::reset_restores_the_empty_sheet() {
    WorksheetGrid grid;
    grid.set_row_count(45);
    grid.set_cell_text(44, 8, QStringLiteral("x"));
    grid.set_cell_text(0, 0, QStringLiteral("title"));
    grid.set_font_style({0, 0, 44, 8}, 15);
    grid.set_read_only({0, 0, 44, 8}, true);
    grid.set_back_colour({3, 3, 3, 3}, 255);
    grid.merge_cells({0, 0, 0, 8});
    grid.merge_cells({40, 1, 44, 2});
    grid.set_row_height(0, 40);
    grid.set_row_height(44, 7);
    grid.set_column_width(4, 150);

    grid.reset_grid();
    QCOMPARE(grid.row_count(), 45);
    QCOMPARE(grid.column_count(), 9);
    QVERIFY(grid.sheet().merges().empty());
    QCOMPARE(grid.columnSpan(0, 0), 1);
    QCOMPARE(grid.rowSpan(40, 1), 1);
    expect_formats(grid, nullptr, plain);
    for (int r = 0; r < 45; ++r) {
        QCOMPARE(grid.rowHeight(r), 33);
        for (int c = 0; c < 9; ++c)
            QVERIFY(grid.get_cell_text(r, c).isEmpty());
    }
    for (int c = 0; c < 9; ++c)
        QCOMPARE(grid.columnWidth(c), 60);
}

void GridTest::merges_data() {
    QTest::addColumn<CellRange>("range");
    QTest::addColumn<bool>("merged");
    QTest::addColumn<CellRange>("cut");
    QTest::newRow("title row") << CellRange{0, 0, 0, 8} << true << CellRange{0, 0, 0, 8};
    QTest::newRow("block") << CellRange{4, 2, 6, 5} << true << CellRange{4, 2, 6, 5};
    QTest::newRow("cut at the end") << CellRange{30, 7, 40, 20} << true << CellRange{30, 7, 31, 8};
    QTest::newRow("one cell") << CellRange::cell(3, 3) << false << CellRange{};
    QTest::newRow("cut to one cell") << CellRange{31, 8, 35, 12} << false << CellRange{};
    QTest::newRow("starts outside") << CellRange{32, 0, 33, 8} << false << CellRange{};
    QTest::newRow("reversed") << CellRange{0, 8, 0, 0} << false << CellRange{};
}

// A merged range shows as one cell: the view's span covers it and shows the first cell.
void GridTest::merges() {
    QFETCH(CellRange, range);
    QFETCH(bool, merged);
    QFETCH(CellRange, cut);
    WorksheetGrid grid;
    grid.merge_cells(range);
    if (!merged) {
        QVERIFY(grid.sheet().merges().empty());
        for (int r = 0; r < 32; ++r)
            for (int c = 0; c < 9; ++c)
                QVERIFY(grid.rowSpan(r, c) == 1 && grid.columnSpan(r, c) == 1);
        return;
    }
    QVERIFY(grid.sheet().merges() == std::vector<CellRange>{cut});
    QCOMPARE(grid.rowSpan(cut.first_row, cut.first_column), cut.last_row - cut.first_row + 1);
    QCOMPARE(grid.columnSpan(cut.first_row, cut.first_column),
             cut.last_column - cut.first_column + 1);
    QVERIFY(grid.sheet().merge_at(cut.last_row, cut.last_column) == cut);
    QVERIFY(!grid.sheet().merge_at(cut.first_row, cut.first_column - 1));
    const QRect shown = grid.visualRect(index_of(grid, cut.first_row, cut.first_column));
    QCOMPARE(shown.width() + 1, 60 * (cut.last_column - cut.first_column + 1));
    QCOMPARE(shown.height() + 1, 33 * (cut.last_row - cut.first_row + 1));
}

void GridTest::a_new_merge_replaces_the_merges_it_meets() {
    WorksheetGrid grid;
    grid.merge_cells({0, 0, 1, 1});
    grid.merge_cells({5, 0, 5, 8});
    grid.merge_cells({10, 0, 10, 2});
    grid.merge_cells({1, 1, 5, 2});
    const std::vector<CellRange> expected = {{1, 1, 5, 2}, {10, 0, 10, 2}};
    QVERIFY(grid.sheet().merges() == expected);
    QCOMPARE(grid.rowSpan(0, 0), 1);
    QCOMPARE(grid.columnSpan(5, 0), 1);
    QCOMPARE(grid.rowSpan(1, 1), 5);
    QCOMPARE(grid.columnSpan(1, 1), 2);
    QCOMPARE(grid.columnSpan(10, 0), 3);
}

// As a person edits: pick the cell, type, press Enter.
void GridTest::typing_goes_into_editable_cells_only() {
    WorksheetGrid grid;
    grid.set_cell_text(2, 0, QStringLiteral("1"));
    grid.set_read_only(CellRange::cell(2, 0), true);
    grid.resize(600, 400);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));

    grid.setCurrentIndex(index_of(grid, 2, 2));
    QTest::keyClick(&grid, Qt::Key_1);
    auto* editor = grid.findChild<QLineEdit*>();
    QVERIFY(editor);
    QTest::keyClicks(editor, QStringLiteral("2a"));
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(grid.get_cell_text(2, 2), QStringLiteral("12a"));

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!grid.findChild<QLineEdit*>());
    grid.setCurrentIndex(index_of(grid, 2, 0));
    QTest::keyClick(&grid, Qt::Key_7);
    QVERIFY(!grid.findChild<QLineEdit*>());
    QVERIFY(!grid.sheet().flags(index_of(grid, 2, 0)).testFlag(Qt::ItemIsEditable));
    QVERIFY(!grid.model()->setData(index_of(grid, 2, 0), QStringLiteral("7")));
    QCOMPARE(grid.get_cell_text(2, 0), QStringLiteral("1"));
}

void GridTest::batch_announces_once_and_keeps_spans_and_sizes() {
    WorksheetGrid grid;
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    grid.merge_cells({0, 0, 0, 8});
    grid.set_row_height(0, 40);
    const WorksheetModel& sheet = grid.sheet();
    QSignalSpy changed(&sheet, &QAbstractItemModel::dataChanged);
    QSignalSpy reset(&sheet, &QAbstractItemModel::modelReset);
    QSignalSpy layout(&sheet, &QAbstractItemModel::layoutChanged);
    {
        GridBatch batch(grid);
        {
            GridBatch inner(grid);
            grid.set_cell_text(1, 1, QStringLiteral("a"));
        }
        grid.set_row_count(64);
        grid.merge_cells({32, 0, 32, 8});
        grid.set_row_height(32, 40);
        grid.set_column_width(1, 150);
        grid.set_cell_number(34, 0, 91);
        grid.set_font_size({34, 0, 34, 0}, 18);
        grid.set_read_only({34, 0, 34, 0}, true);
        QCOMPARE(changed.count(), 0);
    }
    QCoreApplication::processEvents();
    QCOMPARE(grid.columnSpan(0, 0), 9);
    QCOMPARE(grid.columnSpan(32, 0), 9);
    QCOMPARE(grid.rowHeight(0), 40);
    QCOMPARE(grid.rowHeight(32), 40);
    QCOMPARE(grid.rowHeight(33), 33);
    QCOMPARE(grid.columnWidth(1), 150);
    QCOMPARE(grid.get_cell_text(34, 0), QStringLiteral("91"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed[0][0].toModelIndex(), index_of(grid, 1, 0));
    QCOMPARE(changed[0][1].toModelIndex(), index_of(grid, 34, 1));
    QCOMPARE(reset.count(), 0);
    QCOMPARE(layout.count(), 0);

    { GridBatch idle(grid); }
    QCOMPARE(changed.count(), 1);
}

// Grab what the grid paints: a cell's inside is white, the lines just past its right and bottom
// edges (the view's cell rectangle leaves them out) black.
void GridTest::looks_white_with_black_lines() {
    WorksheetGrid grid;
    grid.resize(400, 300);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    const QImage image = grid.viewport()->grab().toImage();
    const QRect cell = grid.visualRect(index_of(grid, 1, 1));
    QCOMPARE(image.pixelColor(cell.center()), QColor(Qt::white));
    QCOMPARE(image.pixelColor(cell.right() + 1, cell.center().y()), QColor(Qt::black));
    QCOMPARE(image.pixelColor(cell.center().x(), cell.bottom() + 1), QColor(Qt::black));
}

int run_grid_tests(int argc, char** argv) {
    GridTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "grid_test.moc"
