#include "export/export_dialog.h"

#include "app/resource.h"
#include "app/app_state.h"
#include "dem/wrap_int.h"
#include "export/point_writer.h"

namespace {

INT_PTR initialise(HWND dialog) {
  // Comma separated and no thinning every time: nothing carries over.
  CheckRadioButton(dialog, IDC_COMMA, IDC_SPACE, IDC_COMMA);
  SetDlgItemInt(dialog, IDC_COLS, static_cast<UINT>(static_cast<int>(app.selCols)), FALSE);
  SetDlgItemInt(dialog, IDC_ROWS, static_cast<UINT>(static_cast<int>(app.selRows)), FALSE);
  SetDlgItemInt(dialog, IDC_REMOVE, 0, FALSE);
  return TRUE;
}

INT_PTR confirm(HWND dialog) {
  BOOL translated;
  app.removeCount = wrap16(GetDlgItemInt(dialog, IDC_REMOVE, &translated, FALSE));
  app.csvFormat = static_cast<std::int16_t>(IsDlgButtonChecked(dialog, IDC_COMMA));
  EndDialog(dialog, IDOK);
  writeSelectedPoints(dialog);
  return TRUE;
}

}  // namespace

INT_PTR CALLBACK exportDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG: return initialise(dialog);
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) return confirm(dialog);
      if (LOWORD(wParam) == IDCANCEL) EndDialog(dialog, IDCANCEL);
      return TRUE;
    default: return FALSE;
  }
}
