// A do-nothing MCI driver for the end-to-end test: registered for MPEGVideo in the test
// prefix it opens any file, "plays" without a sound, and reports a played file as ended at
// the second mode query after play, so one test run sees open, play, the repeat restart,
// stop and close go through the real MCI string parser. Test-only; never installed.
#include <windows.h>
#include <mmddk.h>
#include <mmsystem.h>

namespace {

struct NullDevice {
    bool playing = false;
    int modeQueriesSincePlay = 0;
};

LRESULT Status(NullDevice& device, DWORD flags, MCI_STATUS_PARMS* parms) {
    if (!parms || !(flags & MCI_STATUS_ITEM) || parms->dwItem != MCI_STATUS_MODE) {
        return MCIERR_UNSUPPORTED_FUNCTION;
    }
    // The file "ends" after one answer of "playing".
    if (device.playing && ++device.modeQueriesSincePlay > 1) device.playing = false;
    const WORD mode = device.playing ? MCI_MODE_PLAY : MCI_MODE_STOP;
    parms->dwReturn = MAKEMCIRESOURCE(mode, mode);
    return MCI_RESOURCE_RETURNED;
}

}  // namespace

extern "C" LRESULT CALLBACK DriverProc(DWORD_PTR driverId, HDRVR, UINT message, LPARAM param1,
                                       LPARAM param2) {
    auto* device = reinterpret_cast<NullDevice*>(driverId);
    switch (message) {
        case DRV_LOAD:
        case DRV_ENABLE:
        case DRV_DISABLE:
        case DRV_FREE:
            return 1;
        case DRV_OPEN: {
            auto* open = reinterpret_cast<MCI_OPEN_DRIVER_PARMS*>(param2);
            if (!open) return 1;  // opened as a plain driver, not as an MCI device
            open->wCustomCommandTable = MCI_NO_COMMAND_TABLE;
            open->wType = MCI_DEVTYPE_DIGITAL_VIDEO;
            return reinterpret_cast<LRESULT>(new NullDevice);
        }
        case DRV_CLOSE:
            if (driverId > 1) delete device;
            return 1;
        case MCI_OPEN_DRIVER:
        case MCI_CLOSE_DRIVER:
            return 0;
        case MCI_PLAY:
            device->playing = true;
            device->modeQueriesSincePlay = 0;
            return 0;
        case MCI_STOP:
            device->playing = false;
            return 0;
        case MCI_STATUS:
            return Status(*device, static_cast<DWORD>(param1),
                          reinterpret_cast<MCI_STATUS_PARMS*>(param2));
        default:
            if (message >= DRV_MCI_FIRST) return MCIERR_UNSUPPORTED_FUNCTION;
            return DefDriverProc(driverId, nullptr, message, param1, param2);
    }
}
