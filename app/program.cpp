#include "app/program.h"

#include <QApplication>

#include "app/unit11.h"
#include "app/windows.h"
#include "chart/stern.h"
#include "chart/stern_chart_widget.h"
#include "chart/sternliste.h"
#include "chart/zoom.h"
#include "location/gehehaz.h"
#include "location/gehezu.h"
#include "location/neuort.h"
#include "location/ortein.h"
#include "location/ortliste.h"
#include "location/unit1.h"
#include "location/welt.h"
#include "passes/param.h"
#include "passes/satinfo.h"
#include "passes/satwahl.h"
#include "passes/unit10.h"
#include "passes/unit2.h"
#include "passes/unit9.h"

namespace {

// Creates one window hidden, records it in the registry and in the creation order.
template <typename Window>
void Create(Window*& slot, std::vector<QWidget*>& order,
            std::vector<std::function<void()>>& unregister) {
    auto* window = new Window(nullptr);
    slot = window;
    order.push_back(window);
    unregister.push_back([&slot] { slot = nullptr; });
}

}  // namespace

ProgramWindows::ProgramWindows() {
    Windows& w = AppWindows();
    // The main window first: it builds ObserverState before any other window exists.
    Create(w.form1, order_, unregister_);
    AttachSkyChart(*w.form1);  // the chart canvas, its drawing and the chart's menu entries
    Create(w.form2, order_, unregister_);
    Create(w.form3, order_, unregister_);
    Create(w.form4, order_, unregister_);
    Create(w.form5, order_, unregister_);
    Create(w.form6, order_, unregister_);
    Create(w.okBottomDlg, order_, unregister_);
    Create(w.okBottomDlg1, order_, unregister_);
    Create(w.form8, order_, unregister_);
    Create(w.satmemo, order_, unregister_);
    Create(w.okBottomDlg2, order_, unregister_);
    Create(w.form9, order_, unregister_);
    Create(w.form7, order_, unregister_);
    Create(w.okBottomDlg3, order_, unregister_);
    Create(w.form10, order_, unregister_);
    Create(w.form11, order_, unregister_);
    Create(w.okRightDlg, order_, unregister_);
}

ProgramWindows::~ProgramWindows() {
    // Later windows go first; a window being destroyed still finds the earlier ones.
    while (!order_.empty()) {
        QWidget* window = order_.back();
        order_.pop_back();
        unregister_.back()();
        unregister_.pop_back();
        delete window;
    }
}

int RunPolaride(QApplication& application) {
    ProgramWindows windows;
    AppWindows().form1->showMaximized();
    return application.exec();
}
