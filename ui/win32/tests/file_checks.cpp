// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
// The program file itself: a 32-bit GUI executable that needs only system
// DLLs, with its version block and icon group.
#include "check.h"
#include "driver.h"

#include "ui/win32/text.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace varnel::win32::testing {

namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t u16(const Bytes& b, std::size_t at) { return std::uint32_t{b.at(at)} | std::uint32_t{b.at(at + 1)} << 8; }
std::uint32_t u32(const Bytes& b, std::size_t at) { return u16(b, at) | u16(b, at + 2) << 16; }

Bytes readFile(const std::wstring& path)
{
    std::ifstream in(narrow(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct PeFile {
    std::uint32_t machine = 0;
    std::uint32_t subsystem = 0;
    std::vector<std::string> imports;
};

PeFile readPe(const Bytes& file)
{
    PeFile pe;
    const std::size_t header = u32(file, 0x3C);
    if (u32(file, header) != 0x00004550)
        abortCase("not a PE file");
    pe.machine = u16(file, header + 4);
    const std::uint32_t sections = u16(file, header + 6);
    const std::size_t optional = header + 24;
    const std::uint32_t optionalSize = u16(file, header + 20);
    if (u16(file, optional) != 0x10B)
        abortCase("not a PE32 optional header");
    pe.subsystem = u16(file, optional + 68);
    const std::uint32_t importRva = u32(file, optional + 96 + 8); // data directory 1

    const std::size_t table = optional + optionalSize;
    const auto offsetOf = [&](std::uint32_t rva) -> std::size_t {
        for (std::uint32_t i = 0; i < sections; ++i) {
            const std::size_t s = table + 40 * i;
            const std::uint32_t address = u32(file, s + 12), size = u32(file, s + 8), raw = u32(file, s + 20);
            if (rva >= address && rva < address + std::max(size, u32(file, s + 16)))
                return rva - address + raw;
        }
        abortCase("an address outside every section");
    };
    if (!importRva)
        return pe;
    for (std::size_t d = offsetOf(importRva); u32(file, d + 12) != 0; d += 20) {
        std::string name;
        for (std::size_t at = offsetOf(u32(file, d + 12)); file.at(at); ++at)
            name += static_cast<char>(std::tolower(file[at]));
        pe.imports.push_back(name);
    }
    return pe;
}

void programIsA32BitGuiExecutableOfSystemDlls()
{
    const PeFile pe = readPe(readFile(programFilePath()));
    checkEqual(pe.machine, std::uint32_t{IMAGE_FILE_MACHINE_I386}, "machine");
    checkEqual(pe.subsystem, std::uint32_t{IMAGE_SUBSYSTEM_WINDOWS_GUI}, "subsystem");
    // advapi32.dll gives the stack protector its random guard value, ole32.dll
    // the COM apartment.
    const std::vector<std::string> system{"kernel32.dll", "user32.dll",   "gdi32.dll",
                                          "msvcrt.dll",   "advapi32.dll", "ole32.dll"};
    check(!pe.imports.empty(), "the program imports something");
    std::string all;
    for (const std::string& dll : pe.imports) {
        all += dll + " ";
        check(std::find(system.begin(), system.end(), dll) != system.end(), "imports a non-system DLL: " + dll);
    }
    std::printf("    imports: %s\n", all.c_str());
}

// One node of a version block: its key, value and children, in file order.
struct VersionNode {
    std::wstring key;
    std::wstring text;
    std::vector<std::uint8_t> value;
    std::vector<VersionNode> children;
};

std::size_t align4(std::size_t n) { return (n + 3) & ~std::size_t{3}; }

VersionNode parseNode(const Bytes& b, std::size_t at)
{
    const std::size_t length = u16(b, at), valueLength = u16(b, at + 2), type = u16(b, at + 4);
    VersionNode node;
    std::size_t p = at + 6;
    for (; u16(b, p); p += 2)
        node.key += static_cast<wchar_t>(u16(b, p));
    p = align4(p + 2);
    const std::size_t valueBytes = type == 1 ? valueLength * 2 : valueLength;
    node.value.assign(b.begin() + static_cast<std::ptrdiff_t>(p),
                      b.begin() + static_cast<std::ptrdiff_t>(p + valueBytes));
    if (type == 1)
        for (std::size_t i = 0; i + 1 < valueBytes && u16(b, p + i); i += 2)
            node.text += static_cast<wchar_t>(u16(b, p + i));
    for (p = align4(p + valueBytes); p < at + length; p = align4(p + u16(b, p)))
        node.children.push_back(parseNode(b, p));
    return node;
}

std::wstring keysOf(const VersionNode& node)
{
    std::wstring keys;
    for (const VersionNode& child : node.children)
        keys += (keys.empty() ? L"" : L",") + child.key;
    return keys;
}

void versionBlockIsExactlyTheOneGiven()
{
    const std::wstring exe = programFilePath();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(exe.c_str(), &ignored);
    if (!size)
        abortCase("no version block: " + errorText(GetLastError()));
    Bytes block(size);
    check(GetFileVersionInfoW(exe.c_str(), 0, size, block.data()), "GetFileVersionInfoW");

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) || !fixed)
        abortCase("no fixed file information");
    checkEqual(fixed->dwFileVersionMS, DWORD{0x00010000}, "file version (high)");
    checkEqual(fixed->dwFileVersionLS, DWORD{0}, "file version (low)");
    checkEqual(fixed->dwProductVersionMS, DWORD{0x00010000}, "product version (high)");
    checkEqual(fixed->dwProductVersionLS, DWORD{0}, "product version (low)");
    checkEqual(fixed->dwFileFlags, DWORD{0}, "flags");
    checkEqual(fixed->dwFileOS, DWORD{VOS__WINDOWS32}, "operating system");
    checkEqual(fixed->dwFileType, DWORD{VFT_APP}, "file type");
    checkEqual(fixed->dwFileSubtype, DWORD{VFT2_UNKNOWN}, "file subtype");
    checkEqual(fixed->dwFileDateMS, DWORD{0}, "file date (high)");
    checkEqual(fixed->dwFileDateLS, DWORD{0}, "file date (low)");

    const auto text = [&](const wchar_t* key) {
        wchar_t* value = nullptr;
        UINT chars = 0;
        const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + key;
        if (!VerQueryValueW(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &chars) || !value)
            return std::wstring(L"(missing)");
        return std::wstring(value);
    };
    checkText(text(L"ProductName"), L"varnel", "ProductName");
    checkText(text(L"FileVersion"), L"1.00", "FileVersion");
    checkText(text(L"ProductVersion"), L"1.00", "ProductVersion");
    checkText(text(L"InternalName"), L"varnel", "InternalName");
    checkText(text(L"OriginalFilename"), L"varnel.exe", "OriginalFilename");
    check(!text(L"CompanyName").empty() && text(L"CompanyName") != L"(missing)", "CompanyName is given");

    WORD* translation = nullptr;
    if (VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length) &&
        translation) {
        checkEqual(length, UINT{4}, "one translation");
        checkEqual(translation[0], WORD{0x0409}, "translation language");
        checkEqual(translation[1], WORD{1200}, "translation code page");
    } else {
        check(false, "no translation entry");
    }

    // Nothing else, and the strings in their order.
    const VersionNode root = parseNode(block, 0);
    checkText(root.key, L"VS_VERSION_INFO", "root");
    checkText(keysOf(root), L"StringFileInfo,VarFileInfo", "blocks");
    if (root.children.size() == 2) {
        checkText(keysOf(root.children[0]), L"040904B0", "string tables");
        if (root.children[0].children.size() == 1)
            checkText(keysOf(root.children[0].children[0]),
                      L"CompanyName,ProductName,FileVersion,ProductVersion,InternalName,OriginalFilename",
                      "strings in order");
        checkText(keysOf(root.children[1]), L"Translation", "variable information");
    }
}

BOOL CALLBACK countGroup(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR count)
{
    check(IS_INTRESOURCE(name) && reinterpret_cast<ULONG_PTR>(name) == 1, "the icon group has identifier 1");
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

void iconGroupHoldsTheThreeImagesInOrder()
{
    HMODULE module = LoadLibraryExW(programFilePath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module)
        abortCase("cannot open the program's resources: " + errorText(GetLastError()));
    int groups = 0;
    EnumResourceNamesW(module, MAKEINTRESOURCEW(14) /* RT_GROUP_ICON */, countGroup,
                       reinterpret_cast<LONG_PTR>(&groups));
    checkEqual(groups, 1, "icon groups");

    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(14));
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const auto* data = static_cast<const std::uint8_t*>(loaded ? LockResource(loaded) : nullptr);
    if (!data) {
        FreeLibrary(module);
        abortCase("no icon group 1");
    }
    const Bytes group(data, data + SizeofResource(module, found));
    checkEqual(u16(group, 2), std::uint32_t{1}, "an icon group");
    checkEqual(u16(group, 4), std::uint32_t{3}, "images");
    struct Image {
        std::uint32_t size, colours, bits;
    };
    const Image expected[] = {{32, 2, 1}, {32, 16, 4}, {16, 16, 4}};
    for (std::size_t i = 0; i < 3 && 6 + 14 * i + 14 <= group.size(); ++i) {
        const std::size_t e = 6 + 14 * i;
        const std::string which = "image " + std::to_string(i + 1);
        checkEqual(std::uint32_t{group[e]}, expected[i].size, which + " width");
        checkEqual(std::uint32_t{group[e + 1]}, expected[i].size, which + " height");
        checkEqual(std::uint32_t{group[e + 2]}, expected[i].colours, which + " colours");
        checkEqual(u16(group, e + 6), expected[i].bits, which + " bits per pixel");
    }
    FreeLibrary(module);
}

const bool registered = [] {
    registry().push_back({"program_file", programIsA32BitGuiExecutableOfSystemDlls});
    registry().push_back({"version_block", versionBlockIsExactlyTheOneGiven});
    registry().push_back({"icon_group", iconGroupHoldsTheThreeImagesInOrder});
    return true;
}();

} // namespace

} // namespace varnel::win32::testing
