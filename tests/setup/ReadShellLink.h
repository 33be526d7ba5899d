#pragma once
// What the system's ShellLink component reads from a shortcut file (Windows only).

#ifdef _WIN32
#include <windows.h>

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

#include <filesystem>

#include "setup/ShellLink.h"

namespace plevo::test {

// Empty settings when the component or the file cannot be loaded; COM must be initialised.
inline ShellLinkSettings readShellLink(const std::filesystem::path& file) {
    ShellLinkSettings read;
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link))))
        return read;
    IPersistFile* persist = nullptr;
    link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist));
    const std::wstring wide = file.wstring();
    if (persist && SUCCEEDED(persist->Load(wide.c_str(), STGM_READ))) {
        char text[MAX_PATH] = {};
        int number = 0;
        link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH);
        read.target = text;
        link->GetArguments(text, MAX_PATH);
        read.arguments = text;
        link->GetWorkingDirectory(text, MAX_PATH);
        read.workingDir = text;
        link->GetShowCmd(&number);
        read.showCommand = number;
        link->GetIconLocation(text, MAX_PATH, &number);
        read.iconPath = text;
        read.iconIndex = number;
    }
    if (persist) persist->Release();
    link->Release();
    return read;
}

}  // namespace plevo::test
#endif
