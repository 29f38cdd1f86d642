// Where F1 looks for the user guide: beside the running program, whatever the current folder.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "ui/UserGuide.h"

namespace {

constexpr wchar_t kGuideName[] = L"사용설명서.txt";

std::wstring FolderOf(const std::wstring& path) {
    return path.substr(0, path.find_last_of(L'\\') + 1);
}

// A file created for the test and deleted after it.
struct TestFile {
    explicit TestFile(std::wstring p) : path(std::move(p)) {
        HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        created = file != INVALID_HANDLE_VALUE;
        if (created) CloseHandle(file);
    }
    ~TestFile() { DeleteFileW(path.c_str()); }
    TestFile(const TestFile&) = delete;
    TestFile& operator=(const TestFile&) = delete;

    std::wstring path;
    bool created;
};

TEST(UserGuide, IsFoundBesideTheProgramNotInTheCurrentFolder) {
    wchar_t program[MAX_PATH];
    ASSERT_NE(GetModuleFileNameW(nullptr, program, MAX_PATH), 0U);
    wchar_t temp[MAX_PATH];
    ASSERT_NE(GetTempPathW(MAX_PATH, temp), 0U);
    wchar_t previousFolder[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, previousFolder);
    ASSERT_TRUE(SetCurrentDirectoryW(temp));

    {
        const TestFile inCurrentFolder(std::wstring(temp) + kGuideName);
        ASSERT_TRUE(inCurrentFolder.created);
        EXPECT_FALSE(UserGuidePath().has_value()) << "taken from the current folder";

        const TestFile besideProgram(FolderOf(program) + kGuideName);
        ASSERT_TRUE(besideProgram.created);
        EXPECT_EQ(UserGuidePath(), besideProgram.path);
    }
    EXPECT_FALSE(UserGuidePath().has_value()) << "found after it was removed";
    SetCurrentDirectoryW(previousFolder);
}

}  // namespace
