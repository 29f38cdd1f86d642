// Linked without the hardening flags and against a DLL of our own; never run.
extern "C" __declspec(dllimport) int ForeignAnswer();

int main() {
    return ForeignAnswer();
}
