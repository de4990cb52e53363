// The Qt backend on Qt's offscreen platform: menu choices and check marks,
// mouse messages and the cursor clip, and dialog 102 built from its template.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "app/app_state.h"
#include "app/main_window.h"
#include "app/resource.h"
#include "platform/dialogs/resources.h"
#include "platform/headless/headless.h"
#include "platform/platform_state.h"
#include "platform/qt/dialog_widget.h"
#include "platform/qt/qt_backend.h"

namespace {

class QtBackendTest : public ::testing::Test {
 protected:
  void SetUp() override {
    headless::reset();
    resetAppState();
    platform::setBackend(&backend);
    window = createMainWindow(GetModuleHandleA(nullptr));
    ShowWindow(window, SW_SHOWDEFAULT);
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* m = qobject_cast<QMainWindow*>(w)) mainWidget = m;
    ASSERT_NE(mainWidget, nullptr);
    platform::state().queue.clear();
  }
  void TearDown() override {
    DestroyWindow(window);
    backend.waitForInput();  // forgets the closed window
    platform::setBackend(nullptr);
    headless::reset();
  }
  QAction* action(UINT id) {
    for (QAction* bar : mainWidget->menuBar()->actions()) {
      if (bar->data().toUInt() == id) return bar;
      if (bar->menu())
        for (QAction* a : bar->menu()->actions())
          if (a->data().toUInt() == id) return a;
    }
    return nullptr;
  }
  MSG lastPosted() { return platform::state().queue.back(); }

  qtbackend::QtBackend backend;
  HWND window = nullptr;
  QMainWindow* mainWidget = nullptr;
};

}  // namespace

TEST_F(QtBackendTest, MenuItemsPostTheirIdsAndShowTheChecks) {
  QStringList bar;
  for (QAction* a : mainWidget->menuBar()->actions()) bar << a->text();
  EXPECT_EQ(bar, (QStringList{"&File", "&AreaType", "&Redraw"}));
  EXPECT_TRUE(action(IDM_RECTANGLE)->isChecked());  // as WM_CREATE checked it
  EXPECT_FALSE(action(IDM_CIRCLE)->isChecked());
  for (UINT id : {IDM_OPEN, IDM_EXIT, IDM_RECTANGLE, IDM_CIRCLE, IDM_REDRAW}) {
    ASSERT_NE(action(id), nullptr) << id;
    action(id)->trigger();
    EXPECT_EQ(lastPosted().message, UINT(WM_COMMAND));
    EXPECT_EQ(lastPosted().wParam, WPARAM(id));
  }
  CheckMenuItem(GetMenu(window), IDM_CIRCLE, MF_BYCOMMAND | MF_CHECKED);
  CheckMenuItem(GetMenu(window), IDM_RECTANGLE, MF_BYCOMMAND | MF_UNCHECKED);
  backend.present(window);
  EXPECT_TRUE(action(IDM_CIRCLE)->isChecked());
  EXPECT_FALSE(action(IDM_RECTANGLE)->isChecked());
}

TEST_F(QtBackendTest, MouseMessagesCarryClientPositionsHeldInsideTheClip) {
  QWidget* client = mainWidget->centralWidget();
  EXPECT_EQ(client->size(), QSize(954, 696));
  QTest::mousePress(client, Qt::LeftButton, {}, QPoint(100, 200));
  EXPECT_EQ(lastPosted().message, UINT(WM_LBUTTONDOWN));
  EXPECT_EQ(lastPosted().wParam, WPARAM(MK_LBUTTON));
  EXPECT_EQ(lastPosted().lParam, MAKELPARAM(100, 200));
  // A clip of client (50, 60) to (300, 400), in screen coordinates as the program sets it.
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  RECT clip{origin.x + 50, origin.y + 60, origin.x + 300, origin.y + 400};
  ClipCursor(&clip);
  QMouseEvent move(QEvent::MouseMove, QPointF(500, 10), client->mapToGlobal(QPointF(500, 10)), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(client, &move);
  EXPECT_EQ(lastPosted().message, UINT(WM_MOUSEMOVE));
  EXPECT_EQ(lastPosted().wParam, WPARAM(MK_LBUTTON));
  EXPECT_EQ(lastPosted().lParam, MAKELPARAM(299, 60));
  QTest::mouseRelease(client, Qt::LeftButton, {}, QPoint(20, 30));
  EXPECT_EQ(lastPosted().message, UINT(WM_LBUTTONUP));
  EXPECT_EQ(lastPosted().lParam, MAKELPARAM(50, 60));
  ClipCursor(nullptr);
}

namespace {

std::vector<WPARAM> commands;
INT_PTR CALLBACK recordingDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) {
    CheckRadioButton(dialog, IDC_COMMA, IDC_SPACE, IDC_COMMA);
    SetDlgItemInt(dialog, IDC_COLS, 68, FALSE);
    return TRUE;
  }
  if (message != WM_COMMAND) return FALSE;
  commands.push_back(LOWORD(wParam));
  if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(dialog, LOWORD(wParam));
  return TRUE;
}

// Runs dialog 102 with `act` done on its widget once it is up.
INT_PTR runExportDialog(std::function<void(qtbackend::DialogWidget*)> act) {
  commands.clear();
  QTimer::singleShot(0, [act] {
    auto* dialog = dynamic_cast<qtbackend::DialogWidget*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    act(dialog);
  });
  return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_EXPORT), nullptr, recordingDialogProc, 0);
}

}  // namespace

TEST_F(QtBackendTest, ExportDialogIsBuiltFromItsTemplate) {
  const platform::DialogTemplate* t = platform::findDialogTemplate(IDD_EXPORT);
  ASSERT_NE(t, nullptr);
  INT_PTR result = runExportDialog([t](qtbackend::DialogWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle(), "Write File As");
    EXPECT_EQ(dialog->size(), dialog->toPixels(0, 0, t->width, t->height).size());
    for (const platform::DialogControl& c : t->controls) {
      if (c.id == -1) continue;
      QWidget* control = nullptr;
      for (QWidget* w : dialog->findChildren<QWidget*>())
        if (w->geometry() == dialog->toPixels(c.x, c.y, c.width, c.height)) control = w;
      EXPECT_NE(control, nullptr) << c.text;
    }
    auto* edit = dialog->findChild<QLineEdit*>();
    ASSERT_NE(edit, nullptr);
    QTest::keyClicks(edit, "a1x23");  // letters refused; two digits fit
    EXPECT_EQ(edit->text(), "12");
    QTest::keyClick(edit, Qt::Key_Return);  // OK is the default button
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(commands.back(), WPARAM(IDOK));

  result = runExportDialog([](qtbackend::DialogWidget* dialog) {
    QRadioButton* space = nullptr;
    for (auto* r : dialog->findChildren<QRadioButton*>())
      if (r->text().startsWith("Space")) space = r;
    ASSERT_NE(space, nullptr);
    QTest::mouseClick(space, Qt::LeftButton);
    EXPECT_TRUE(space->isChecked());
    QTest::keyClick(dialog, Qt::Key_Escape);  // Esc is Cancel
  });
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_EQ(commands, (std::vector<WPARAM>{IDC_SPACE, IDCANCEL}));
}

TEST_F(QtBackendTest, MessageBoxShowsCaptionTextIconAndOk) {
  QString title, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    title = box->windowTitle(), text = box->text(), icon = box->icon();
    QTest::keyClick(box, Qt::Key_Return);
  });
  EXPECT_EQ(MessageBoxA(window, "Invalid or missing data in file.  ", "Error", MB_OK | MB_ICONEXCLAMATION), IDOK);
  EXPECT_EQ(title, "Error");
  EXPECT_EQ(text, "Invalid or missing data in file.  ");
  EXPECT_EQ(icon, QMessageBox::Warning);
}

TEST_F(QtBackendTest, FileDialogsHonourTheirFlags) {
  char path[260] = "";
  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = window;
  ofn.lpstrFilter = "Dem Files (*.dem)\0*.dem\0";
  ofn.lpstrFile = path;
  ofn.nMaxFile = sizeof path;
  ofn.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
  ofn.lpstrDefExt = "dem";
  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Open");
    EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);  // a missing file is refused
    EXPECT_EQ(dialog->nameFilters(), QStringList{"Dem Files (*.dem)"});
    dialog->reject();
  });
  EXPECT_FALSE(GetOpenFileNameA(&ofn));
  EXPECT_STREQ(path, "");

  // Save: an existing file is asked about; "No" keeps the dialog, whose cancel chooses nothing.
  std::string existing = (QDir::tempPath() + "/tarnwick-qt-existing.csv").toStdString();
  std::fclose(std::fopen(existing.c_str(), "w"));
  ofn.lpstrFilter = "CSV Files (*.csv)\0*.csv\0";
  ofn.lpstrDefExt = "csv";
  ofn.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
  QString asked;
  int dialogs = 0;
  std::function<void()> act = [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      asked = box->text();
      box->button(QMessageBox::No)->click();
    } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
      EXPECT_EQ(dialog->windowTitle(), "Save As");
      EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
      if (dialogs++ == 0) {
        dialog->selectFile(QString::fromStdString(existing));
        static_cast<QDialog*>(dialog)->accept();  // as the Save button
      } else {
        dialog->reject();
        return;
      }
    }
    QTimer::singleShot(0, act);
  };
  QTimer::singleShot(0, act);
  EXPECT_FALSE(GetSaveFileNameA(&ofn));
  EXPECT_TRUE(asked.contains("already exists")) << asked.toStdString();
  EXPECT_EQ(dialogs, 2);
  std::remove(existing.c_str());
}

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
