// The command line: every flag, values, and the errors that point to --help.
#include "app/command_line.h"

#include <gtest/gtest.h>

TEST(AppCommandLine, FlagsAndValues) {
  TCommandLine cl =
      ParseCommandLine({"--datadir", "/d", "--userdir", "u", "--window", "--nosound", "--seed",
                        "-42", "--headless", "--script", "s.txt", "--stats", "st.txt"});
  EXPECT_TRUE(cl.error.empty()) << cl.error;
  EXPECT_EQ(cl.dataDir, "/d");
  EXPECT_EQ(cl.userDir, "u");
  EXPECT_EQ(cl.fullscreen, 0);
  EXPECT_TRUE(cl.noSound);
  EXPECT_TRUE(cl.seedGiven);
  EXPECT_EQ(cl.seed, -42);
  EXPECT_TRUE(cl.headless);
  EXPECT_EQ(cl.scriptFile, "s.txt");
  EXPECT_EQ(cl.statsFile, "st.txt");
  EXPECT_FALSE(cl.checkData);
  EXPECT_EQ(ParseCommandLine({"--fullscreen"}).fullscreen, 1);
  EXPECT_EQ(ParseCommandLine({}).fullscreen, -1);
  EXPECT_TRUE(ParseCommandLine({"--check-data"}).checkData);
  EXPECT_TRUE(ParseCommandLine({"--help"}).help);
  EXPECT_TRUE(ParseCommandLine({"--version"}).version);
  EXPECT_EQ(ParseCommandLine({"--seed", "2147483647"}).seed, 2147483647);
}

TEST(AppCommandLine, Errors) {
  struct Case {
    std::vector<std::string> args;
    const char* error;
  } cases[] = {
      {{"--bogus"}, "unknown option --bogus"},
      {{"-x"}, "unknown option -x"},
      {{"level"}, "unknown option level"},
      {{"--datadir"}, "--datadir needs a value"},
      {{"--script", ""}, "--script needs a value"},
      {{"--seed", "12abc"}, "--seed needs a whole number"},
      {{"--seed", "99999999999999999999999"}, "--seed needs a whole number"},
      {{"--window", "--stats"}, "--stats needs a value"},
  };
  for (const Case& c : cases) {
    std::string error = ParseCommandLine(c.args).error;
    EXPECT_EQ(error.rfind(c.error, 0), 0u) << error;
  }
}

TEST(AppCommandLine, UsageNamesEveryFlag) {
  std::string usage = UsageText();
  for (const char* flag :
       {"--help", "--version", "--datadir", "--userdir", "--window", "--fullscreen", "--nosound",
        "--seed", "--headless", "--script", "--stats", "--check-data"})
    EXPECT_NE(usage.find(flag), std::string::npos) << flag;
}
