// The main window as after start-up on 9 December 2026, its messages and
// questions going to a recording host.
#pragma once

#include "app/tform1.h"
#include "support/recording_host.h"

namespace tolvane::testing {

struct StartedWindow : TForm1 {
    RecordingHost messages;
    StartedWindow()
    {
        today = [] { return CivilDate{2026, 12, 9}; };
        host = &messages;
        FormCreate("/opt/tolvane/tolvane", {}, 1920, 1080);
        FormShow();
    }
};

}  // namespace tolvane::testing
