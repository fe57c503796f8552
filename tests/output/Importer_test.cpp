#include "Importer.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <sstream>
#include <string>

#include "CColumn.h"
#include "CProject.h"
#include "CRow.h"
#include "CSchedule.h"
#include "ColumnEdits.h"
#include "EditStamp.h"
#include "ImportLog.h"
#include "TextCodec.h"

namespace qb {
namespace {

constexpr int kRowHeight = 40;

// Rows "工程A" (id 1) and "工程B" (id 2), both 40 high, and a deleted row
// "工程A" (id 3) before them that no record may name.
class ImporterTest : public ::testing::Test {
protected:
    ImporterTest() {
        project_.SetLastObjectId(1);
        a_ = AddRow("工程A");
        b_ = AddRow("  工程B ");
        auto gone = std::make_unique<CRow>(project_.NewObjectId());
        gone->SetCaption("工程A");
        gone->SetDeleted(true);
        deleted_ = gone->GetObjectId();
        project_.GetRows().InsertAt(0, std::move(gone));
    }

    std::int32_t AddRow(const std::string& caption) {
        auto row = std::make_unique<CRow>(project_.NewObjectId());
        row->SetCaption(caption);
        row->SetHeight(kRowHeight);
        const std::int32_t id = row->GetObjectId();
        project_.GetRows().Add(std::move(row));
        return id;
    }

    // The text as a user's file holds it: Shift_JIS.
    ImportSummary Import(const std::string& utf8) {
        log_ = ImportLog();
        std::istringstream in(TextCodec::Utf8ToCp932Lossy(utf8));
        Importer importer(project_, EditStamp("tester", COleDateTime(2024, 5, 1, 9, 0, 0)), log_,
                          kRowHeight);
        return importer.Run(in);
    }

    // A schedule record on row A from 2017/2/1 to 2017/2/3 with the fields
    // given by their number set.
    static std::string Record(const std::map<int, std::string>& fields, bool point = false) {
        std::map<int, std::string> all{{1, "SA"}, {3, "1"}, {4, "作業"}, {5, "20170201"}};
        if (!point)
            all[6] = "20170203";
        for (const auto& [number, text] : fields)
            all[number] = text;
        std::string line;
        for (int number = 1; number <= all.rbegin()->first; ++number)
            line += (number > 1 ? "\t" : "") + all[number];
        return line;
    }

    const CSchedule* Last() const {
        const CScheduleArray& schedules = project_.GetSchedules();
        return schedules.GetCount() ? schedules.At(schedules.GetCount() - 1) : nullptr;
    }
    int Schedules() const { return project_.GetSchedules().GetCount(); }
    const std::string& Log() const { return log_.Text(); }

    CProject project_;
    ImportLog log_;
    std::int32_t a_ = 0;
    std::int32_t b_ = 0;
    std::int32_t deleted_ = 0;
};

COleDateTime Day(int year, int month, int day) {
    return COleDateTime(year, month, day, 0, 0, 0);
}

TEST_F(ImporterTest, ByDayEndsAreHeldAsTheStartOfTheNextDayWhenTheirOffsetIsZero) {
    ASSERT_EQ(Import(Record({{7, "0"}, {8, "0"}})).schedules, 1);
    const CSchedule& whole = *Last();
    EXPECT_TRUE(whole.IsByDay());
    EXPECT_EQ(whole.GetScheduleType(), 0);
    EXPECT_EQ(whole.GetRowObjectId(), a_);
    EXPECT_EQ(whole.GetStartDate(), Day(2017, 2, 1));
    EXPECT_EQ(whole.GetEndDate(), Day(2017, 2, 4));
    EXPECT_EQ(whole.GetEndOffset(), 0);
    EXPECT_EQ(whole.GetRegistrant(), "tester");

    ASSERT_EQ(Import(Record({{7, ".25"}, {8, "0.5"}, {9, "20170202"}, {10, "20170205"}})).schedules,
              1);
    const CSchedule& part = *Last();
    EXPECT_EQ(part.GetStartOffset(), 2500);
    EXPECT_EQ(part.GetEndDate(), Day(2017, 2, 3));
    EXPECT_EQ(part.GetEndOffset(), 5000);
    EXPECT_EQ(part.GetActualStartDate(), Day(2017, 2, 2));
    EXPECT_EQ(part.GetActualEndDate(), Day(2017, 2, 6));
}

TEST_F(ImporterTest, TimedAndOneDateSchedules) {
    Import(Record({{5, "201702011330"}, {6, "201702021015"}, {7, ".5"}, {9, "201702011400"}}));
    const CSchedule& timed = *Last();
    EXPECT_FALSE(timed.IsByDay());
    EXPECT_EQ(timed.GetStartDate(), COleDateTime(2017, 2, 1, 13, 30, 0));
    EXPECT_EQ(timed.GetEndDate(), COleDateTime(2017, 2, 2, 10, 15, 0));
    EXPECT_EQ(timed.GetStartOffset(), 0);
    EXPECT_EQ(timed.GetActualStartDate(), COleDateTime(2017, 2, 1, 14, 0, 0));

    Import(Record({{10, "20170209"}}, true));
    const CSchedule& point = *Last();
    EXPECT_NE(point.GetScheduleType(), 0);
    EXPECT_EQ(point.GetStartDate(), Day(2017, 2, 1));
    EXPECT_EQ(point.GetHeight(), 10);
    EXPECT_EQ(point.GetYOffset(), kRowHeight / 2);
    EXPECT_EQ(point.GetCaptionPosition(), 3);
    EXPECT_EQ(point.GetActualEndDate(), COleDateTime());
}

TEST_F(ImporterTest, DatesThatCannotBeReadSkipTheRecord) {
    const struct {
        std::map<int, std::string> fields;
        const char* message;
    } cases[] = {
        {{{5, "2017021"}}, "開始日の指定が不正です。"},
        {{{5, "20170230"}}, "開始日の日付部分の指定が不正です。"},
        {{{5, "201702012460"}, {6, "201702020000"}}, "開始日の時刻部分の指定が不正です。"},
        {{{6, "2017020x"}}, "終了日の指定が不正です。"},
        {{{6, "20171301"}}, "終了日の日付部分の指定が不正です。"},
        {{{5, "201702011330"}, {6, "20170202"}},
         "このスケジュールの終了日は半角12文字でなければなりません。"},
        {{{5, "201702011330"}, {6, "2017020210aa"}}, "終了日時の指定が不正です。"},
        {{{5, "201702011330"}, {6, "201702021361"}}, "終了日の時刻部分の指定が不正です。"},
        {{{6, "20170131"}}, "終了日が開始日より早い指定はできません。"},
        {{{6, "20170201"}, {7, ".5"}, {8, ".25"}}, "終了日が開始日より早い指定はできません。"},
        {{{5, "201702011330"}, {6, "201702011329"}},
         "終了日時が開始日時より早い指定はできません。"},
        {{{9, "2017020"}}, "実績開始日の指定が不正です。"},
        {{{9, "20170229"}}, "実績開始日の日付部分の指定が不正です。"},
        {{{5, "201702011330"}, {6, "201702021330"}, {9, "20170201"}},
         "このスケジュールの実績開始日は半角12文字でなければなりません。"},
        {{{5, "201702011330"}, {6, "201702021330"}, {10, "201702019900"}},
         "実績終了日の時刻部分の指定が不正です。"},
        {{{9, "20170205"}, {10, "20170204"}}, "実績終了日が実績開始日より早い指定はできません。"},
    };
    for (const auto& c : cases) {
        const ImportSummary summary = Import(Record(c.fields));
        EXPECT_EQ(summary.schedules, 0) << c.message;
        EXPECT_EQ(Log(), std::string("1行目: ") + c.message + "\n" +
                             "1行目のデータのインポートに失敗しました。\n")
            << c.message;
    }
    EXPECT_EQ(Schedules(), 0);
}

// Values outside what a schedule can hold are corrected and the correction
// logged; the record is still imported.
TEST_F(ImporterTest, CorrectionsAreLoggedAndApplied) {
    using Get = std::function<int(const CSchedule&)>;
    const Get bg = [](const CSchedule& s) { return static_cast<int>(s.GetBgColor()); };
    const Get text = [](const CSchedule& s) { return static_cast<int>(s.GetTextColor()); };
    const Get edge = [](const CSchedule& s) {
        return static_cast<int>(s.GetEdgePen().GetColour());
    };
    const Get width = [](const CSchedule& s) { return s.GetEdgePen().GetWidth(); };
    const Get style = [](const CSchedule& s) { return s.GetEdgePen().GetStyle(); };
    const Get progress = [](const CSchedule& s) { return s.GetProgressRate(); };
    const Get plan = [](const CSchedule& s) { return s.GetPlan() * 100000 + s.GetResults(); };
    const Get shape = [](const CSchedule& s) { return s.GetSubType(); };
    const Get height = [](const CSchedule& s) { return s.GetHeight(); };
    const Get y = [](const CSchedule& s) { return s.GetYOffset(); };
    const Get place = [](const CSchedule& s) { return s.GetCaptionPosition(); };
    const Get vertical = [](const CSchedule& s) { return s.GetCaptionVAlign(); };
    const Get horizontal = [](const CSchedule& s) { return s.GetCaptionHAlign(); };
    const Get ends = [](const CSchedule& s) {
        return s.GetStartEdgeType() * 10 + s.GetEndEdgeType();
    };
    const Get weight = [](const CSchedule& s) { return s.GetWeight(); };
    const Get offset = [](const CSchedule& s) { return s.GetStartOffset(); };
    const struct {
        std::map<int, std::string> fields;
        bool point;
        Get get;
        int expected;
        const char* message;  // "" for none
    } cases[] = {
        {{}, false, bg, 0xFFFFFF, ""},
        {{{12, "FF8000"}}, false, bg, 0x0080FF, ""},
        {{{12, "GG0000"}}, false, bg, 0xFFFFFF, "背景色の指定が不正なので、白に設定しました。"},
        {{{20, "12345"}}, false, text, 0, "文字色の指定が不正なので、黒に設定しました。"},
        {{{26, "xyzxyz"}}, false, edge, 0, "縁の色の指定が不正なので、黒に設定しました。"},
        {{{7, "1.5"}}, false, offset, 0, "開始日オフセットの指定が不正なので0に設定します。"},
        {{{8, "5"}}, false, offset, 0, "終了日オフセットの指定が不正なので0に設定します。"},
        {{{11, "45.5"}}, false, progress, 455, ""},
        {{{11, "101"}}, false, progress, -1, ""},
        {{{11, "50"}, {14, "10"}, {15, "5"}},
         false,
         plan,
         0,
         "進捗率が設定されているため、予定・実績数量はインポートされません。"},
        {{{14, "10"}, {15, "4"}}, false, plan, 1000004, ""},
        {{{14, "10000"}, {15, "0"}}, false, plan, 1000000000, ""},
        {{{15, "4"}}, false, plan, 0, "予定数量が空欄なので実績数量は指定できません。"},
        {{{14, "10"}}, false, plan, 0, "予定数量が指定している場合、実績数量も指定してください。"},
        {{{14, "0"}, {15, "0"}},
         false,
         plan,
         0,
         "予定数量は1～10000, 実績数量は0～10000で指定してください。"},
        {{{14, "5"}, {15, "10001"}},
         false,
         plan,
         0,
         "予定数量は1～10000, 実績数量は0～10000で指定してください。"},
        {{}, false, shape, 1, ""},
        {{{17, "7"}}, true, shape, 1, "形状タイプは0～6で指定してください。"},
        {{{17, "6"}}, true, shape, 6, ""},
        {{{17, "3"}},
         false,
         shape,
         1,
         "線型のスケジュールでは、形状タイプは0か1で指定してください。"},
        {{}, false, height, 12, ""},
        {{{19, "30"}}, false, height, 30, ""},
        {{{19, "101"}}, false, height, 100, "高さは1～100で指定してください。"},
        {{{19, "5"}}, true, height, 10, "点型のスケジュールでは、高さの指定は無視されます。"},
        {{{17, "0"}, {19, "5"}},
         false,
         height,
         1,
         "幅のない形状が指定されているため、高さの指定は無視されます。"},
        {{}, false, y, (kRowHeight - 12) / 2, ""},
        {{{18, "7"}}, false, y, 7, ""},
        {{{18, "501"}},
         false,
         y,
         (kRowHeight - 12) / 2,
         "-1～500の範囲外のY位置が指定されました。中央に修正してインポートします。"},
        {{{21, "5"}},
         false,
         place,
         3,
         "文字位置は0～4で指定してください（3に修正してインポートします）。"},
        {{{21, "0"}},
         true,
         place,
         3,
         "点型のスケジュールでは、文字位置は1～4で指定してください（3に修正してインポートします）"
         "。"},
        {{{22, "3"}},
         false,
         vertical,
         1,
         "垂直文字位置は0～2で指定してください（1に修正してインポートします）。"},
        {{{23, "3"}},
         false,
         horizontal,
         0,
         "水平文字位置は0～2で指定してください（0に修正してインポートします）。"},
        {{{24, "4"}},
         false,
         style,
         0,
         "縁の属性は、0,1,2,3,5のどれかで指定してください（0に修正してインポートします）。"},
        {{{24, "1"}, {25, "5"}}, false, width, 5, ""},
        {{{24, "1"}, {25, "8"}},
         false,
         width,
         1,
         "縁の太さは、1～7で指定してください（1に修正してインポートします）。"},
        {{{25, "3"}},
         false,
         width,
         1,
         "縁の属性が1以外のとき、縁の太さは、1を指定してください（1に修正してインポートします）。"},
        {{{27, "2"}, {28, "5"}},
         false,
         ends,
         20,
         "端点は、0～4で指定してください（0に修正してインポートします）。"},
        {{}, false, weight, 1, ""},
        {{{29, ""}}, false, weight, 1, ""},
        {{{29, "0"}}, false, weight, 0, ""},
        {{{29, "99999999"}}, false, weight, 99999999, ""},
        {{{29, "100000000"}},
         false,
         weight,
         1,
         "負荷グラフの重みは、0～99999999で指定してください。"},
        {{{2, "x"}}, false, weight, 1, "警告・2列目は必ず空欄にしてください。"},
    };
    for (const auto& c : cases) {
        const std::string line = Record(c.fields, c.point);
        ASSERT_EQ(Import(line).schedules, 1) << line << "\n" << Log();
        EXPECT_EQ(c.get(*Last()), c.expected) << line;
        const std::string message = *c.message ? std::string("1行目: ") + c.message + "\n" : "";
        EXPECT_EQ(Log(), message + "1行目: インポートに成功しました。\n") << line;
    }
}

TEST_F(ImporterTest, TheTargetRowIsFoundByIdOrByText) {
    const struct {
        const char* line;
        std::int32_t row;  // kNoObject: not imported
        const char* message;
    } cases[] = {
        {"SA\t\tabc\tx\t20170201", CData::kNoObject,
         "段の指定（ID）が不正です。半角数字以外が入っているのは段のIDではありません。"},
        {"SA\t\t-1\tx\t20170201", CData::kNoObject,
         "段の指定（ID）が不正です。半角数字以外が入っているのは段のIDではありません。"},
        {"SA\t\t0\tx\t20170201", CData::kNoObject, "段の指定（ID）が不正です。"},
        {"SA\t\t99999999999\tx\t20170201", CData::kNoObject, "指定された段が存在しません。"},
        {"SA\t\t3\tx\t20170201", CData::kNoObject, "指定された段が存在しません。"},
        {"sa\t\t2\tx\t20170201", 2, nullptr},
        {"SB\t\t工程A\tx\t20170201", 1, "テキストが一致した id=1 の段にインポートします。"},
        {"sb\t\t工程B\tx\t20170201", 2, "テキストが一致した id=2 の段にインポートします。"},
        {"SB\t\t工程C\tx\t20170201", CData::kNoObject, "指定された段が見つかりません。"},
        {"SC\t\t1\tx\t20170201", CData::kNoObject,
         "1列目は半角の「SA」「SB」または「RA」以外は指定できません。"},
        {"SA\t\t1\tx", CData::kNoObject,
         "スケジュールデータの行は、最低5列必要です（5列目の開始日が必須項目のため）。"},
    };
    for (const auto& c : cases) {
        const ImportSummary summary = Import(c.line);
        const bool imported = c.row != CData::kNoObject;
        ASSERT_EQ(summary.schedules, imported ? 1 : 0) << c.line;
        EXPECT_FALSE(summary.stopped);
        if (imported) {
            EXPECT_EQ(Last()->GetRowObjectId(), c.row) << c.line;
        }
        std::string expected = c.message ? std::string("1行目: ") + c.message + "\n" : "";
        expected += imported ? "1行目: インポートに成功しました。\n"
                             : "1行目のデータのインポートに失敗しました。\n";
        EXPECT_EQ(Log(), expected) << c.line;
    }
}

TEST_F(ImporterTest, RowRecordsBuildATreeByLevel) {
    const ImportSummary summary = Import(
        "RA\t\t0\t本体\n"
        "RA\t\t1\t基礎\n"
        "ra\t\t2\t掘削\n"
        "RA\t\t1\t躯体\n"
        "RA\t\t0\t外構\n"
        "SB\t\t掘削\t作業\t20170201\n");
    EXPECT_EQ(summary.rows, 5);
    EXPECT_EQ(summary.schedules, 1);
    const CRowArray& top = project_.GetRows();
    ASSERT_EQ(top.GetCount(), 5);
    const CRow& body = *top.At(3);
    EXPECT_EQ(body.GetCaption(), "本体");
    EXPECT_EQ(top.At(4)->GetCaption(), "外構");
    ASSERT_EQ(body.GetChildren().GetCount(), 2);
    const CRow& base = *body.GetChildren().At(0);
    EXPECT_EQ(base.GetChildren().At(0)->GetCaption(), "掘削");
    EXPECT_EQ(body.GetChildren().At(1)->GetCaption(), "躯体");
    EXPECT_EQ(Last()->GetRowObjectId(), base.GetChildren().At(0)->GetObjectId());
    EXPECT_EQ(base.GetRegistrant(), "tester");
    EXPECT_EQ(project_.GetLastObjectId(), 10);
}

TEST_F(ImporterTest, AFailedRowRecordStopsTheImport) {
    const char* kStop =
        "行目のデータのインポートに失敗しました。段データのインポートに失敗した場合、その行以降のイ"
        "ンポートは行わずに中断します。\n";
    const struct {
        const char* text;
        const char* message;
        int rows;
    } cases[] = {
        {"RA\t\t1\t子\n", "最初にインポートする段は階層0でなければなりません。", 0},
        {"RA\t\t0\tA\nRA\t\t2\t孫\n", "階層の指定が不正です。", 1},
        {"RA\t\t0\tA\nRA\t\t-1\tB\n", "階層の指定が不正です。", 1},
        {"RA\t\t0\tA\nRA\t\tx\tB\n", "階層の指定が不正です。", 1},
        {"RA\t\t0\n", "スケジュールデータの行は、最低4列必要です。", 0},
    };
    for (const auto& c : cases) {
        const int line = c.rows + 1;
        const ImportSummary summary = Import(std::string(c.text) + "SA\t\t1\tx\t20170201\n");
        EXPECT_TRUE(summary.stopped) << c.text;
        EXPECT_EQ(summary.rows, c.rows);
        EXPECT_EQ(summary.schedules, 0) << c.text;
        EXPECT_TRUE(Log().ends_with(std::to_string(line) + "行目: " + c.message + "\n" +
                                    std::to_string(line) + kStop))
            << Log();
    }
}

TEST_F(ImporterTest, RowRecordValuesAndColumnCells) {
    project_.SetParamInt("_DefRowHeight", 28);
    std::int32_t columns[2];
    for (std::int32_t& id : columns) {
        auto column = std::make_unique<CColumn>(project_.NewObjectId());
        id = column->GetObjectId();
        project_.GetColumns().Add(std::move(column));
    }
    Import(
        "RA\t\t0\t既定\n"
        "RA\t\t0\t指定\tFF0000\tzz\t5\t2000\t参照\t2\t3\t0000FF\t\t\t\t\t田中\t済\n"
        "RA\t\t0\t列18\t\t\t600\t\t\t\t\t\t\t\t\t18\tskip\t鈴木\n");
    const CRowArray& rows = project_.GetRows();
    const CRow& plain = *rows.At(rows.GetCount() - 3);
    EXPECT_EQ(plain.GetHeight(), 28);
    EXPECT_EQ(plain.GetWidth(), 64);
    EXPECT_EQ(plain.GetParamInt("_BackColor", -1), 0xFFFFFF);
    const CRow& given = *rows.At(rows.GetCount() - 2);
    EXPECT_EQ(given.GetTextColor(), ColorRef{0x0000FF});
    EXPECT_EQ(given.GetParamInt("_BackColor", -1), 0xFFFFFF);
    EXPECT_EQ(given.GetHeight(), 10);
    EXPECT_EQ(given.GetWidth(), 1000);
    EXPECT_EQ(given.GetReference(), "参照");
    EXPECT_EQ(given.GetBottomLinePen(), CPenInfo(2, 3, 0xFF0000));
    EXPECT_EQ(given.GetParam(ColumnEdits::CellName(columns[0])), "田中");
    EXPECT_EQ(given.GetParam(ColumnEdits::CellName(columns[1])), "済");
    const CRow& shifted = *rows.At(rows.GetCount() - 1);
    EXPECT_EQ(shifted.GetHeight(), 500);
    EXPECT_EQ(shifted.GetParam(ColumnEdits::CellName(columns[0])), "鈴木");
    EXPECT_EQ(Log(),
              "1行目: インポートに成功しました。\n"
              "2行目: 背景色の指定が不正なので、白に設定しました。\n"
              "2行目: インポートに成功しました。\n"
              "3行目: インポートに成功しました。\n");
}

TEST_F(ImporterTest, LinesThatHoldNoRecordAreLoggedAndPassedOver) {
    const std::string longLine(70000, 'x');
    std::string bytes = "\nS\n";
    bytes += "SA\t\t1\t" + longLine + "\n";
    bytes += "SA\t\t1\t\x81 \t20170201\n";
    bytes += "SA\t\t1\tx\t20170201\n";
    std::istringstream in(bytes);
    log_ = ImportLog();
    Importer importer(project_, EditStamp("tester", COleDateTime()), log_, kRowHeight);
    const ImportSummary summary = importer.Run(in);
    EXPECT_EQ(summary.schedules, 1);
    EXPECT_EQ(summary.skipped, 4);
    EXPECT_EQ(Log(),
              "1行目は空行でした。\n"
              "2行目はレコードの種類を示す１列目がありませんでした。\n"
              "3行目は長すぎる（65536バイトを超える）ため、読み飛ばしました。\n"
              "4行目はShift_JIS（CP932）として読めない文字を含むため、読み飛ばしました。\n"
              "5行目: インポートに成功しました。\n");
}

TEST_F(ImporterTest, AnUnreadableRowRecordStopsLikeAFailedOne) {
    std::istringstream in("RA\t\t0\t\x81 \nSA\t\t1\tx\t20170201\n");
    Importer importer(project_, EditStamp("tester", COleDateTime()), log_, kRowHeight);
    const ImportSummary summary = importer.Run(in);
    EXPECT_TRUE(summary.stopped);
    EXPECT_EQ(Schedules(), 0);
}

TEST_F(ImporterTest, AUtf8FileWithAByteOrderMarkIsReadAsUtf8) {
    std::istringstream in("\xEF\xBB\xBFSB\t\t工程B\t作業\t20170201\n");
    Importer importer(project_, EditStamp("tester", COleDateTime()), log_, kRowHeight);
    EXPECT_EQ(importer.Run(in).schedules, 1);
    EXPECT_EQ(Last()->GetCaption(), "作業");
    EXPECT_TRUE(
        Log().starts_with("ファイルの先頭にBOMがあるため、UTF-8のファイルとして読み込みます。\n"));

    std::istringstream plain("SB\t\t工程B\t作業\t20170201\n");
    Importer again(project_, EditStamp("tester", COleDateTime()), log_, kRowHeight);
    EXPECT_EQ(again.Run(plain).skipped, 1);
    EXPECT_EQ(Schedules(), 1);
}

}  // namespace
}  // namespace qb
