// The gkconv program as a user runs it: files and standard streams, exit
// statuses and the summary, GBK files and the CASS layout, the parameter
// file, and runs that end early (Ctrl+C, a full disk) without touching the
// old output or leaving a temporary file behind.

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <string>
#include <thread>

#include "GkconvProcess.h"
#include "cli/TextEncoding.h"

namespace fs = std::filesystem;

namespace {

const fs::path kData = fs::path(__FILE__).parent_path() / "data";

int CountLines(const std::string& s) { return static_cast<int>(std::count(s.begin(), s.end(), '\n')); }

TEST(Program, MissingInputIsAnErrorAndWritesNothing) {
  TScratchDir dir;
  const auto run = RunGkconv({"to-gauss", (dir / "absent.csv").string(), "-o", (dir / "out.csv").string()});
  EXPECT_EQ(run.Status, 2);
  EXPECT_NE(run.Err.find("cannot open"), std::string::npos) << run.Err;
  EXPECT_EQ(FileNames(dir.Path()), std::vector<std::string>{});
}

TEST(Program, BadRowsKeepTheirPlaceWithAnErrorAndSetTheStatus) {
  TScratchDir dir;
  WriteFile(dir / "in.csv",
            "name,lon,lat\n"
            "P1,116.391,39.907\n"
            "P2,116°61′0″,39.907\n"
            "\n"
            "P3,117,0\n"
            "P4,117\n");
  const auto run = RunGkconv({"to-gauss", (dir / "in.csv").string(), "-o", (dir / "out.csv").string()});
  EXPECT_EQ(run.Status, 1);
  EXPECT_EQ(run.Err,
            "gkconv: 4 rows: 2 converted, 2 failed\n"
            "gkconv: first error: line 3, field 2 (lon): longitude: minutes 61 are 60 or more in '116°61′0″'\n");
  EXPECT_EQ(ReadFile(dir / "out.csv"),
            "name,lon,lat,zone/带号,easting/东,northing/北,error/错误\n"
            "P1,116.391,39.907,20,447924.495,4419380.448,\n"
            "P2,116°61′0″,39.907,,,,\"line 3, field 2 (lon): longitude: minutes 61 are 60 or more in '116°61′0″'\"\n"
            "\n"
            "P3,117,0,20,500000.015,0.000,\n"
            "P4,117,,,,\"line 6, field 3 (lat): latitude column 3 missing (the row has 2 fields)\"\n");
  EXPECT_EQ(FileNames(dir.Path()), (std::vector<std::string>{"in.csv", "out.csv"}));

  const auto good = RunGkconv({"to-gauss"}, "116.391 39.907\n");
  EXPECT_EQ(good.Status, 0);
  EXPECT_EQ(good.Out, "116.391 39.907 20 447924.495 4419380.448\n");
  EXPECT_EQ(good.Err, "gkconv: 1 rows: 1 converted, 0 failed\n");
}

TEST(Program, ReadsGbkFilesAndWritesUtf8OrGbk) {
  const std::string gbk = (kData / "points-gbk.csv").string();
  const std::string expected =
      "点号,经度,纬度,备注,zone/带号,easting/东,northing/北,error/错误\n"
      "天安门,116°23′27.6″,39°54′25.2″,北京,20,447924.495,4419380.448,\n"
      "控制点2,东经117度0分0秒,北纬0度0分0秒,赤道,20,500000.015,0.000,\n"
      "坏点,116°61′0″,39.9,分超限,,,,\"line 4, field 2 (经度): longitude: minutes 61 are 60 or more in "
      "'116°61′0″'\"\n";
  const auto utf8 = RunGkconv({"to-gauss", gbk});
  EXPECT_EQ(utf8.Status, 1);
  EXPECT_EQ(utf8.Out, expected);
  // Given instead of detected, and written back in GBK.
  const auto back = RunGkconv({"to-gauss", "--encoding", "gbk", "--output-encoding", "gbk", gbk});
  std::string expectedGbk;
  ASSERT_TRUE(gkconv::TTextConverter(gkconv::TEncoding::Utf8, gkconv::TEncoding::Gbk).Convert(expected, expectedGbk));
  EXPECT_EQ(back.Out, expectedGbk);
  EXPECT_EQ(back.Out.substr(0, 4), "\xB5\xE3\xBA\xC5");  // 点号 in GBK
  // Read as UTF-8 against its will, every row says what is wrong.
  const auto wrong = RunGkconv({"to-gauss", "--encoding", "utf-8", gbk});
  EXPECT_NE(wrong.Out.find("not valid UTF-8 text (see --encoding)"), std::string::npos) << wrong.Out;
}

TEST(Program, ReadsTheCassLayoutWithItsZoneChecks) {
  const auto run = RunGkconv({"to-geodetic", "--layout", "cass", "--zone", "20", (kData / "survey-cass.dat").string()});
  EXPECT_EQ(run.Status, 1);
  EXPECT_EQ(run.Out,
            "1,,447924.495,4419380.448,45.30,116.391000004,39.907000003,\r\n"
            "K2,KZD,20447924.495,4419380.448,44.10,116.391000004,39.907000003,\r\n"
            "K3,KZD,19447924.495,4419380.448,44.10,,,\"line 3, field 3: easting '19447924.495' carries zone 19, "
            "but --zone is 20\"\r\n"
            "K4,,447924.495,４４１９３８０.４４８,43.0,,,\"line 4, field 4: northing: full-width digit '４' in "
            "'４４１９３８０.４４８': use ASCII digits, '.' and '-'\"\r\n");
}

TEST(Program, ParameterFileGivesTheSameResultAsTheCommandLine) {
  TScratchDir dir;
  WriteFile(dir / "p.ini",
            "# WGS 84 -> Beijing 1954, made-up parameters\n"
            "ellipsoid = KA\n"
            "geodetic-ellipsoid = WE\n"
            "helmert = \"-12.6,130.2,82.3,0.72,-1.46,-2.11,-4.3\"\n"
            "rotation = coordinate-frame\n"
            "zone-width = 3\n");
  const std::string in = "116.391 39.907 50\n";
  const auto fromFile = RunGkconv({"to-gauss", "--params", (dir / "p.ini").string(), "--height", "3"}, in);
  const auto fromLine =
      RunGkconv({"to-gauss", "--ellipsoid", "KA", "--geodetic-ellipsoid", "WE", "--rotation", "coordinate-frame",
                 "--helmert=-12.6,130.2,82.3,0.72,-1.46,-2.11,-4.3", "--zone-width", "3", "--height", "3"},
                in);
  EXPECT_EQ(fromFile.Status, 0) << fromFile.Err;
  EXPECT_EQ(fromFile.Out, fromLine.Out);
  EXPECT_TRUE(fromFile.Out.starts_with("116.391 39.907 50 39 ")) << fromFile.Out;

  const auto noConvention = RunGkconv({"to-gauss", "--helmert=1,2,3,4,5,6,7"}, in);
  EXPECT_EQ(noConvention.Status, 2);
  EXPECT_NE(noConvention.Err.find("needs --rotation position-vector or --rotation coordinate-frame"), std::string::npos);
}

TEST(Program, HelpNamesTheCommandsAndOptions) {
  const auto top = RunGkconv({"--help"});
  EXPECT_EQ(top.Status, 0);
  EXPECT_NE(top.Out.find("to-gauss"), std::string::npos);
  EXPECT_NE(top.Out.find("ellipsoids"), std::string::npos);
  const auto sub = RunGkconv({"to-geodetic", "--help"});
  for (const char* option : {"--zone-width", "--central-meridian", "--exact-meridian", "--helmert", "--rotation",
                             "--plane4", "--layout", "--encoding", "--digits", "--window-format", "--angles",
                             "--north-first", "--zone-column", "--params"})
    EXPECT_NE(sub.Out.find(option), std::string::npos) << option;
  const auto list = RunGkconv({"ellipsoids"});
  EXPECT_NE(list.Out.find("KA     6378245.000    298.3"), std::string::npos) << list.Out;
  EXPECT_EQ(RunGkconv({"to-gauss", "--zone-width", "4"}).Status, 2);
}

// A FIFO holds the run in the middle of its input until the test interrupts it.
TEST(Program, InterruptLeavesTheOldOutputAndNoTemporaryFile) {
  TScratchDir dir;
  const fs::path fifo = dir / "in.fifo", out = dir / "out.csv";
  WriteFile(out, "the old output\n");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const int pid = StartGkconv({"to-gauss", "--threads", "2", "-o", out.string()}, fifo.string(), dir.Path());
  {
    std::ofstream writer(fifo);  // opens once gkconv opened its end
    for (int i = 0; i < 200000; ++i) writer << "116.391 39.907\n";
    writer.flush();
    // gkconv has read rows and waits for more; the temporary file exists.
    for (int i = 0; i < 1000; ++i) {
      if (FileNames(dir.Path()).size() > 4) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(FileNames(dir.Path()).size(), 5u) << "no temporary output file while running";
    kill(pid, SIGINT);
    const auto run = WaitGkconv(pid, dir.Path());
    EXPECT_EQ(run.Status, 130);
    EXPECT_NE(run.Err.find("interrupted; the output file was not changed"), std::string::npos) << run.Err;
  }
  EXPECT_EQ(ReadFile(out), "the old output\n");
  EXPECT_EQ(FileNames(dir.Path()), (std::vector<std::string>{"in.fifo", "out.csv"}));
}

// A 256 KB tmpfs fills up long before the output is complete.
TEST(Program, FullDiskLeavesTheOldOutputAndNoTemporaryFile) {
  TScratchDir dir, disk;
  if (mount("gkconv-test", disk.Path().c_str(), "tmpfs", 0, "size=256k") != 0)
    GTEST_SKIP() << "cannot mount a tmpfs here (needs root)";
  const fs::path out = disk / "out.csv";
  WriteFile(out, "the old output\n");
  {
    std::ofstream in(dir / "in.txt");
    for (int i = 0; i < 100000; ++i) in << "116.391 39.907\n";
  }
  const auto run = RunGkconv({"to-gauss", (dir / "in.txt").string(), "-o", out.string()});
  EXPECT_EQ(run.Status, 2);
  EXPECT_NE(run.Err.find("No space left on device; the output file was not changed"), std::string::npos) << run.Err;
  EXPECT_EQ(ReadFile(out), "the old output\n");
  EXPECT_EQ(FileNames(disk.Path()), std::vector<std::string>{"out.csv"});
  umount(disk.Path().c_str());
}

}  // namespace
