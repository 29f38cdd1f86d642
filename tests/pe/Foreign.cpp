// A DLL of our own: not one of Windows' DLLs, so an executable importing it is refused.
extern "C" __declspec(dllexport) int ForeignAnswer() {
    return 42;
}
