// The program's windows, created once at start and kept for the whole run:
// the main window, the feeder entry form, the cable window, the keypad, the
// branch entry form, the current calculator and the short-circuit window. The entry forms hold
// references to the windows they read and open.
#pragma once

#include "app/tform1.h"
#include "cables/tdensen.h"
#include "entry/tform2.h"
#include "entry/tform3.h"
#include "entry/tform4.h"
#include "entry/tform5.h"
#include "shortcircuit/tform7.h"

namespace tolvane {

struct Forms {
    TForm1 form1;
    TForm2 form2{form1, densen, form3, form5};
    Tdensen densen;
    TForm3 form3;
    TForm4 form4{form1, form2, densen, form3};
    TForm5 form5;
    TForm7 form7{form1};

    Forms() = default;
    explicit Forms(Host* host) { setHost(host); }
    Forms(const Forms&) = delete;
    Forms& operator=(const Forms&) = delete;

    // The main window's shared fields as its first showing leaves them.
    void mainWindowShown()
    {
        form1.kansenno = 1;
        form1.keitou = 1;
    }

    // Message boxes and modal windows of every form go to `host`.
    void setHost(Host* host)
    {
        form1.host = host;
        densen.host = host;
        form2.host = host;
        form4.host = host;
        form5.host = host;
        form7.host = host;
    }
};

}  // namespace tolvane
