// SPDX-License-Identifier: GPL-3.0-or-later
// The program's Windows resources, compiled into this test executable as into tarvel.exe: the
// version that Explorer shows, with its Croatian description, and the icon in every size.
#ifdef _WIN32
#include <gtest/gtest.h>

#include <string>
#include <vector>
#include <windows.h>

#include "tarvel_version.h"

namespace {

std::vector<char> ownVersionInfo() {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    DWORD ignored = 0;
    std::vector<char> data(GetFileVersionInfoSizeW(path, &ignored));
    if (data.empty() || !GetFileVersionInfoW(path, 0, static_cast<DWORD>(data.size()), data.data()))
        data.clear();
    return data;
}

std::wstring stringValue(std::vector<char>& info, const wchar_t* name) {
    void* value = nullptr;
    UINT length = 0;
    const std::wstring key = std::wstring(L"\\StringFileInfo\\041A04B0\\") + name;
    if (!VerQueryValueW(info.data(), key.c_str(), &value, &length) || length == 0)
        return L"<none>";
    return static_cast<const wchar_t*>(value);
}

TEST(WindowsResources, VersionAndCroatianDescription) {
    std::vector<char> info = ownVersionInfo();
    ASSERT_FALSE(info.empty()) << "no version resource";
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(int{HIWORD(fixed->dwProductVersionMS)}, tarvel::kVersionMajor);
    EXPECT_EQ(int{LOWORD(fixed->dwProductVersionMS)}, tarvel::kVersionMinor);
    EXPECT_EQ(int{HIWORD(fixed->dwProductVersionLS)}, tarvel::kVersionRevision);
    EXPECT_EQ(stringValue(info, L"ProductName"), L"Tarvel");
    EXPECT_EQ(stringValue(info, L"FileDescription"),
              L"Tarvel \u2013 izra\u010Dun cijena usluga arhitekata i in\u017Eenjera");
}

TEST(WindowsResources, IconInEverySize) {
    for (const int size : {16, 32, 48, 256}) {
        const HICON icon = static_cast<HICON>(
            LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, 0));
        ASSERT_NE(icon, nullptr) << size;
        ICONINFO parts{};
        ASSERT_TRUE(GetIconInfo(icon, &parts));
        BITMAP colour{};
        GetObjectW(parts.hbmColor, static_cast<int>(sizeof colour), &colour);
        EXPECT_EQ(colour.bmWidth, size);
        DeleteObject(parts.hbmColor);
        DeleteObject(parts.hbmMask);
        DestroyIcon(icon);
    }
}

} // namespace
#endif
