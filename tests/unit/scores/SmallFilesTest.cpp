#include <gtest/gtest.h>

#include "scores/DateTimeText.h"
#include "scores/FirstStart.h"
#include "scores/LastNameFile.h"
#include "scores/UsageTime.h"
#include "tests/support/BaseFolder.h"
#include "tests/support/MemoryFiles.h"

using namespace tintfall;

namespace {


LocalTime at(int year, int month, int day, int weekday, int hour, int minute, int second) {
    LocalTime t;
    t.year = year;
    t.month = month;
    t.day = day;
    t.weekday = weekday;
    t.hour = hour;
    t.minute = minute;
    t.second = second;
    return t;
}

std::vector<std::uint8_t> usageFile(std::uint32_t h, std::uint32_t m, std::uint32_t s) {
    std::vector<std::uint8_t> bytes;
    for (std::uint32_t value : {h, m, s})
        for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    return bytes;
}

}  // namespace

TEST(DateTimeText, NamesDayAndMonthWithoutLeadingZerosOnDayAndHour) {
    EXPECT_EQ(dateTimeText(at(2003, 1, 5, 0, 9, 5, 7)), "Sunday, 5 January 2003 9:05:07");
    EXPECT_EQ(dateTimeText(at(1999, 12, 31, 6, 23, 59, 59)), "Saturday, 31 December 1999 23:59:59");
    EXPECT_EQ(dateTimeText(at(2026, 2, 28, 3, 0, 0, 0)), "Wednesday, 28 February 2026 0:00:00");
}

TEST(DateTimeText, ATimeOutsideTheCalendarLeavesTheNamesEmpty) {
    EXPECT_EQ(dateTimeText(at(2003, 13, 1, 7, 1, 2, 3)), ", 1  2003 1:02:03");
}

TEST(UsageTime, CarriesSecondsIntoMinutesAndMinutesIntoHours) {
    const UsageTime sum = addElapsed({1, 59, 50}, 15000);
    EXPECT_EQ(sum.hours, 2u);
    EXPECT_EQ(sum.minutes, 0u);
    EXPECT_EQ(sum.seconds, 5u);

    const UsageTime exact = addElapsed({0, 59, 59}, 1000);
    EXPECT_EQ(exact.hours, 1u);
    EXPECT_EQ(exact.minutes, 0u);
    EXPECT_EQ(exact.seconds, 0u);

    // 2 h 59 min 59.999 s: the fraction of a second is dropped.
    const UsageTime longRun = addElapsed({10, 0, 0}, 3 * 3600000 - 1);
    EXPECT_EQ(longRun.hours, 12u);
    EXPECT_EQ(longRun.minutes, 59u);
    EXPECT_EQ(longRun.seconds, 59u);
}

TEST(UsageTime, AddsTheRunToTheFileAcrossAClockWrap) {
    MemoryFiles files;
    files.contents[kBaseFolder + "tdata.dat"] = usageFile(1, 59, 50);
    addUsageTime(files, kBaseFolder, 15000, 0);
    EXPECT_EQ(files.contents[kBaseFolder + "tdata.dat"], usageFile(2, 0, 5));
    EXPECT_EQ(usageTimeText(files, kBaseFolder), "2:0:5");

    // The millisecond clock wrapped during the run: 10 s before and 5 s after.
    addUsageTime(files, kBaseFolder, 5000, 0xFFFFFFFFu - 9999u);
    EXPECT_EQ(usageTimeText(files, kBaseFolder), "2:0:20");
}

TEST(UsageTime, AMissingOrShortFileCountsAsNoTimeSoFar) {
    MemoryFiles files;
    EXPECT_EQ(usageTimeText(files, kBaseFolder), "0:0:0");
    addUsageTime(files, kBaseFolder, 61000, 0);
    EXPECT_EQ(usageTimeText(files, kBaseFolder), "0:1:1");

    const std::vector<std::uint8_t> shortFile = {5, 0, 0, 0, 7, 0, 0, 0, 9, 0, 0};  // 11 bytes
    files.contents[kBaseFolder + "tdata.dat"] = shortFile;
    EXPECT_EQ(usageTimeText(files, kBaseFolder), "0:0:0");
    addUsageTime(files, kBaseFolder, 3000, 0);
    EXPECT_EQ(files.contents[kBaseFolder + "tdata.dat"], usageFile(0, 0, 3));
    // The short file is kept beside the new one.
    EXPECT_EQ(files.contents[kBaseFolder + "tdata.dat.damaged"], shortFile);
}

TEST(UsageTime, TextIsUnsignedDecimalWithoutPadding) {
    MemoryFiles files;
    files.contents[kBaseFolder + "tdata.dat"] = usageFile(3, 7, 45);
    EXPECT_EQ(usageTimeText(files, kBaseFolder), "3:7:45");
    files.contents[kBaseFolder + "tdata.dat"] = usageFile(0xFFFFFFFFu, 0, 0);
    EXPECT_EQ(usageTimeText(files, kBaseFolder), "4294967295:0:0");
}

TEST(UsageTime, AFileThatCannotBeWrittenIsPassedOver) {
    MemoryFiles files;
    files.allWritesFail = true;
    addUsageTime(files, kBaseFolder, 5000, 0);
    EXPECT_FALSE(files.exists(kBaseFolder + "tdata.dat"));
}

TEST(FirstStart, TheFirstDateIsKeptAndOnlyRewrittenWhenTheFileIsGone) {
    MemoryFiles files;
    EXPECT_EQ(firstStartText(files, kBaseFolder), "UNKNOWN");
    EXPECT_TRUE(writeFirstStartIfAbsent(files, kBaseFolder, "Sunday, 5 January 2003 9:05:07"));
    EXPECT_TRUE(writeFirstStartIfAbsent(files, kBaseFolder, "Monday, 6 January 2003 9:05:07"));
    EXPECT_EQ(firstStartText(files, kBaseFolder), "Sunday, 5 January 2003 9:05:07");
    const std::vector<std::uint8_t>& bytes = files.contents[kBaseFolder + "sdata.dat"];
    EXPECT_EQ(bytes.size(), 31u);  // one length byte, no header
    EXPECT_EQ(bytes[0], 30);

    files.remove(kBaseFolder + "sdata.dat");
    writeFirstStartIfAbsent(files, kBaseFolder, "Monday, 6 January 2003 9:05:07");
    EXPECT_EQ(firstStartText(files, kBaseFolder), "Monday, 6 January 2003 9:05:07");
}

TEST(FirstStart, AnUnreadableTextIsUnknown) {
    MemoryFiles files;
    files.contents[kBaseFolder + "sdata.dat"] = {10, 'a', 'b'};
    EXPECT_EQ(firstStartText(files, kBaseFolder), "UNKNOWN");
    files.allWritesFail = true;
    files.contents.clear();
    EXPECT_FALSE(writeFirstStartIfAbsent(files, kBaseFolder, "x"));
}

TEST(LastNameFile, TheConfirmedNameComesBackNextTime) {
    MemoryFiles files;
    EXPECT_EQ(readLastName(files, kBaseFolder), "");
    ASSERT_TRUE(writeLastName(files, kBaseFolder, "Blue Fox"));
    const std::vector<std::uint8_t>& bytes = files.contents[kBaseFolder + "lastname.dat"];
    EXPECT_EQ(bytes[0], 22);
    EXPECT_EQ(std::string(bytes.begin() + 1, bytes.begin() + 23), "TINTFALL_LASTNAME_FILE");
    EXPECT_EQ(bytes[23], 8);
    EXPECT_EQ(bytes.size(), 32u);
    EXPECT_EQ(readLastName(files, kBaseFolder), "Blue Fox");

    ASSERT_TRUE(writeLastName(files, kBaseFolder, ""));
    EXPECT_EQ(files.contents[kBaseFolder + "lastname.dat"].size(), 24u);
    EXPECT_EQ(readLastName(files, kBaseFolder), "");

    const std::string longName(300, 'z');
    ASSERT_TRUE(writeLastName(files, kBaseFolder, longName));
    EXPECT_EQ(readLastName(files, kBaseFolder), longName);
}

TEST(LastNameFile, ForeignOrShortFilesGiveTheEmptyName) {
    const std::vector<std::uint8_t> valid = encodeLastName("Blue Fox");
    for (std::size_t length = 0; length < valid.size(); ++length)
        EXPECT_FALSE(parseLastName(valid.data(), length).has_value()) << "length " << length;
    std::vector<std::uint8_t> foreign = valid;
    foreign[5] = 'f';
    MemoryFiles files;
    files.contents[kBaseFolder + "lastname.dat"] = foreign;
    EXPECT_EQ(readLastName(files, kBaseFolder), "");
}
