// Program start: creates every window in the fixed order and runs the event loop.
#pragma once

#include <functional>
#include <memory>
#include <vector>

class QApplication;
class QWidget;

// Every window of the program, created in the fixed order: TForm1, TForm2, TForm3,
// TForm4, TForm5, TForm6, TOKBottomDlg, TOKBottomDlg1, TForm8, Tsatmemo,
// TOKBottomDlg2, TForm9, TForm7, TOKBottomDlg3, TForm10, TForm11, TOKRightDlg.
// All are hidden; AppWindows() points at them while the object lives. They are
// destroyed in reverse order, the main window last.
class ProgramWindows {
  public:
    ProgramWindows();
    ~ProgramWindows();
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    // The windows in creation order.
    const std::vector<QWidget*>& creationOrder() const { return order_; }

  private:
    std::vector<QWidget*> order_;
    std::vector<std::function<void()>> unregister_;  // clears each registry slot
};

// Creates the windows, shows the main window maximised and runs the event loop.
int RunPolaride(QApplication& application);
