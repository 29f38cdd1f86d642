#include "ui/entry/EntryBinding.h"

#include <string>

#include "framework/InputMethod.h"
#include "framework/Text.h"
#include "ui/entry/PastedDate.h"

void BindDateField(HWND field, fw::Edit* pastedYear) {
    fw::DisableInputMethod(field);
    SendMessageW(field, pastedYear ? EM_LIMITTEXT : CB_LIMITTEXT, kDateFieldTextLimit, 0);
    if (pastedYear) {
        pastedYear->Attach(field);
        pastedYear->WatchPaste();
    }
}

void ApplyPaste(const fw::Edit& edit, const PasteOutcome& outcome) {
    switch (outcome.action) {
        case PasteOutcome::Filled:
            break;
        case PasteOutcome::Insert: {
            const std::wstring text = fw::ToUtf16(outcome.text);
            edit.Send(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
            break;
        }
        case PasteOutcome::AsField:
            edit.DefaultPaste();
            break;
        case PasteOutcome::Refused:
            MessageBeep(MB_OK);
            break;
    }
}
