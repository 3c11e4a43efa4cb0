#include "shell/MameCommands.h"

#include <gtest/gtest.h>

// Elsewhere than Windows the interpreter prefix is empty: ExecCmd hands the line to /bin/sh.

TEST(MameCommands, ListingsRedirectIntoTheReportsFolder)
{
    EXPECT_EQ(MameListXmlCommand("/opt/zel", "listxml.txt"), "mame -listxml>/opt/zel/reports/listxml.txt");
    EXPECT_EQ(MameListCrcCommand("/opt/zel", "crcinfo.txt"), "mame -listcrc >/opt/zel/reports/crcinfo.txt");
    EXPECT_EQ(MameListXmlCommand("/home/me/my apps", "listxml.txt.build-7"),
              "mame -listxml>'/home/me/my apps/reports/listxml.txt.build-7'");
}

// The audit and verify runs take MAME's standard error into their file too; the others do not.
TEST(MameCommands, SetReportsNameTheSetAndTheFile)
{
    EXPECT_EQ(MameSetReportCommand("puckman", MameSetReport::VerifyRoms, "/z/reports/temp1.txt"),
              "mame puckman -verifyroms > /z/reports/temp1.txt 2>&1");
    EXPECT_EQ(MameSetReportCommand("puckman", MameSetReport::VerifySamples, "/z/reports/temp2.txt"),
              "mame puckman -verifysamples > /z/reports/temp2.txt 2>&1");
    EXPECT_EQ(MameSetReportCommand("puckman", MameSetReport::ListRoms, "/z/reports/temp3.txt"),
              "mame puckman -listroms > /z/reports/temp3.txt 2>&1");
    EXPECT_EQ(MameSetReportCommand("puckman", MameSetReport::ListSamples, "/z/reports/temp4.txt"),
              "mame puckman -listsamples > /z/reports/temp4.txt 2>&1");
    // Names come from files: they are words, never shell syntax.
    EXPECT_EQ(MameSetReportCommand("a;b", MameSetReport::ListRoms, "/my z/t.txt"),
              "mame 'a;b' -listroms > '/my z/t.txt' 2>&1");
}

TEST(MameCommands, VerifyAllAndHelp)
{
    EXPECT_EQ(MameVerifyAllCommand(false, "/z/reports/roms.txt"), "mame * -verifyroms >/z/reports/roms.txt 2>&1");
    EXPECT_EQ(MameVerifyAllCommand(true, "/z/reports/samples.txt"),
              "mame * -verifysamples >/z/reports/samples.txt 2>&1");
    EXPECT_EQ(MameHelpCommand("/z/reports/version.txt"), "mame -help > /z/reports/version.txt");
}

TEST(MamePlayCommand, TheSetAloneOrWithTheOtherCommands)
{
    EXPECT_EQ(MamePlayCommand("puckman", ""), "mame puckman");
    EXPECT_EQ(MamePlayCommand("puckman", "-nosound -skip_gameinfo"), "mame puckman -nosound -skip_gameinfo");
}

TEST(MamePlayCommand, BlanksBetweenWordsBecomeOne)
{
    EXPECT_EQ(MamePlayCommand("puckman", "  -nosound   -window "), "mame puckman -nosound -window");
    // Inside double quotes one pass turns three blanks into two.
    EXPECT_EQ(MamePlayCommand("puckman", "-snapname \"a   b\""), "mame puckman -snapname 'a  b'");
}

// MAME knows "-cheat" but not "-Cheat"; a value may be a file name, whose case matters here.
TEST(MamePlayCommand, OptionNamesAreLowerCasedTheirValuesKeptWhereFileNamesHaveCase)
{
    EXPECT_EQ(MamePlayCommand("PuckMan", "-CfgName MyCfg"), "mame PuckMan -cfgname MyCfg");
    EXPECT_EQ(MamePlayCommand("puckman", "-Cheat -SNAPNAME \"My Shots\" \"-NoSound\" x-Y -5"),
              "mame puckman -cheat -snapname 'My Shots' -nosound x-Y -5");
}

TEST(MamePlayCommand, EveryWordIsQuotedNeverShellSyntax)
{
    EXPECT_EQ(MamePlayCommand("puckman", "-snapname \"My Shots\""), "mame puckman -snapname 'My Shots'");
    EXPECT_EQ(MamePlayCommand("puckman", "; touch pwned && $(id) `id` > x"),
              "mame puckman ';' touch pwned '&&' '$(id)' '`id`' '>' x");
    EXPECT_EQ(MamePlayCommand("a b", "it's"), "mame 'a b' 'it'\\''s'");
    EXPECT_EQ(MamePlayCommand("puckman", "-x \"\""), "mame puckman -x ''");
}

// Today's MAME reads mame.ini only from its inipath: the folder follows the set as two words.
TEST(MameCommands, TheIniFolderFollowsTheSetAsTwoWords)
{
    EXPECT_EQ(MameSetReportCommand("puckman", MameSetReport::VerifyRoms, "/z/temp1.txt", "/my ini"),
              "mame puckman -inipath '/my ini' -verifyroms > /z/temp1.txt 2>&1");
    EXPECT_EQ(MameVerifyAllCommand(true, "/z/samples.txt", "/ini"),
              "mame * -inipath /ini -verifysamples >/z/samples.txt 2>&1");
    EXPECT_EQ(MamePlayCommand("puckman", "-Cheat", "/a;b $x"), "mame puckman -inipath '/a;b $x' -cheat");
}

TEST(MameCommands, MameDiffTakesItsSwitchAndTwoListingsAsWords)
{
    EXPECT_EQ(MameDiffCommand("", "/z/reports/oldlistxml.txt", "/z/reports/listxml.txt"),
              "mamediff /z/reports/oldlistxml.txt /z/reports/listxml.txt");
    EXPECT_EQ(MameDiffCommand("-s", "/z/old.txt", "/z/new.txt"), "mamediff -s /z/old.txt /z/new.txt");
    EXPECT_EQ(MameDiffCommand("-n", "/my z/old.txt", "/a;b/new.txt"), "mamediff -n '/my z/old.txt' '/a;b/new.txt'");
}
