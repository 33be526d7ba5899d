// Deliberately unfit for Windows XP, for the import check to catch: it imports GetTickCount64,
// which XP lacks (declared here, as the XP-level headers rightly hide it), and a DLL that is not
// one of the system's own.
#include <winsock2.h>

extern "C" __declspec(dllimport) ULONGLONG WINAPI GetTickCount64();

int main() {
    return static_cast<int>(GetTickCount64() % 2) + WSAGetLastError();
}
