#include <gtest/gtest.h>

#include <filesystem>

#include "platform/headless/GameDriver.h"

using namespace tintfall;

TEST(GameDriver, OwnsAnEmptyProgramFolderForItsLifetime) {
    std::string folder;
    {
        GameDriver driver;
        folder = driver.hostFolder();
        EXPECT_TRUE(std::filesystem::is_directory(folder));
        EXPECT_TRUE(std::filesystem::is_empty(folder));
        EXPECT_EQ(driver.baseFolder(), folder + "\\");
        EXPECT_EQ(driver.settings().soundFile[0], driver.baseFolder() + "snd\\button.wav");
    }
    EXPECT_FALSE(std::filesystem::exists(folder));
}
