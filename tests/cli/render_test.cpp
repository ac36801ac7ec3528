// tintora-cli render, run as a process: its picture against the editor window's own grab of
// the same palette in both variants, and its failures.
#include <QImage>
#include <QRect>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "cli_runner.h"
#include "editor/tintora_dlg.h"
#include "editor_test_support.h"
#include "shared/text_encoding.h"

namespace {

const std::string kThreePalettes = std::string(TINTORA_TEST_DATA_DIR) + "/cli/three_palettes.pal";

class RenderTest : public EditorTest {
protected:
    // The second palette is the one of interest, every pen with colours of its own, different
    // in the two variants, so that a cell drawn in the wrong place or variant shows. The
    // first, all black, only has to be skipped.
    void SetUp() override {
        EditorTest::SetUp();
        UI_LIST list(nullptr);
        for (const wchar_t* name : {L"First", L"Distinct"}) {
            auto* palette = new PaletteEntry;
            palette->m_Name = name;
            palette->m_Description = L"every pen its own colour";
            for (int pen = 0; pen < kPenCount && list.Count() == 1; ++pen) {
                palette->m_Colours[0][pen] = MakeColour(pen, 255 - pen, (pen * 7) % 256);
                palette->m_Colours[1][pen] = MakeColour((pen * 3) % 256, pen / 2, 255 - pen);
            }
            list.Add(palette);
        }
        ASSERT_TRUE(WritePaletteFile(FromUtf8(File()), list));
    }

    std::string File() const { return Path("distinct.pal"); }
    std::string Path(const char* name) const { return m_dir.filePath(name).toStdString(); }

    QTemporaryDir m_dir;
};

// The picture is the editor's client area from its main grid frame to the swatches.
TEST_F(RenderTest, PictureIsTheEditorsOwnGrabOfTheSamePalette) {
    dlg->OpenFromOutside(FromUtf8(File()));
    dlg->SetCurrentPalette(1);
    QRect areas;
    for (const GridRect& r : {dlg->m_rcMainGrid, dlg->m_rcSecondaryGrid, dlg->m_rcStandardGrid,
                              dlg->m_rcPenSwatch, dlg->m_rcMarkerSwatch}) {
        areas |= QRect(r.left, r.top, r.Width(), r.Height());
    }
    // The palette is picked by position in one variant and by name in the other; the first
    // palette is all black, so a wrong pick shows.
    const std::vector<std::string> picks[] = {{"--index", "1", "--background", "light"},
                                              {"--palette", "Distinct", "--background", "dark"}};
    for (int variant : {0, 1}) {
        SCOPED_TRACE(variant == 0 ? "light" : "dark");
        ClickDlgItem(*dlg, variant == 0 ? IDC_LIGHT_BACKGROUND : IDC_DARK_BACKGROUND);
        Settle();
        // The dark picture goes to standard output, which the runner sends to the file.
        std::vector<std::string> args = {"render", File(), "-o",
                                         variant == 0 ? Path("out.png") : "-"};
        args.insert(args.end(), picks[variant].begin(), picks[variant].end());
        const CliRun run = RunCli(args, variant == 0 ? "" : Path("out.png"));
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out + run.err, "");
        const QImage picture(QString::fromStdString(Path("out.png")));
        ASSERT_EQ(picture.size(), areas.size());
        const QImage client = PaintedClient(*dlg).copy(areas);
        EXPECT_TRUE(picture.convertToFormat(QImage::Format_RGB32) ==
                    client.convertToFormat(QImage::Format_RGB32))
            << "a pixel differs";
    }
}

TEST_F(RenderTest, FailuresWriteNothing) {
    const std::string png = Path("old.png");
    ASSERT_TRUE(std::filesystem::copy_file(kThreePalettes, Path("three_palettes.pal")));
    ASSERT_EQ(::mkfifo(Path("pipe.png").c_str(), 0600), 0);
    // A null device of our own, where root may make one; otherwise a second pipe.
    if (::mknod(Path("null.png").c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) {
        ASSERT_EQ(::mkfifo(Path("null.png").c_str(), 0600), 0);
    }
    for (const CaseRow& row : ReadCaseTable("render_failures.txt")) {
        SCOPED_TRACE(row.where);
        std::ofstream(png) << "old";
        const CliRun run = RunCliWords(row[0], m_dir.path().toStdString() + "/");
        EXPECT_EQ(run.exitCode, row.Int(1));
        EXPECT_NE(run.err.find(row[2]), std::string::npos) << run.err;
        EXPECT_EQ(ReadBytes(png), "old");
        EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files).size(), 3) << "a file appeared";
    }
    for (const char* special : {"pipe.png", "null.png"}) {
        EXPECT_FALSE(std::filesystem::is_regular_file(Path(special))) << special;
    }
    // A name that is not UTF-8 is written under exactly its bytes.
    const std::string odd = m_dir.path().toStdString() + "/\xff\xfe.png";
    EXPECT_EQ(RunCli({"render", kThreePalettes, "-o", odd}).exitCode, 0);
    EXPECT_TRUE(std::filesystem::is_regular_file(odd));
}

} // namespace
