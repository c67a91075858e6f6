// The active front end, and the platform operations that go straight to it: message boxes,
// beeps and the file-open request.
#include "platform/emulated/front_end.h"

namespace emulated {

namespace {
FrontEnd* active = nullptr;
} // namespace

void setFrontEnd(FrontEnd* frontEnd) {
    active = frontEnd;
}

FrontEnd* activeFrontEnd() {
    return active;
}

} // namespace emulated

int showMessageBox(WindowHandle owner, const char* text, const char* caption, unsigned style) {
    emulated::FrontEnd* frontEnd = emulated::activeFrontEnd();
    if (frontEnd == nullptr) {
        return IDOK;
    }
    return frontEnd->showMessageBox(owner, text == nullptr ? "" : text,
                                    caption == nullptr ? "" : caption, style);
}

void beep(unsigned type) {
    if (emulated::FrontEnd* frontEnd = emulated::activeFrontEnd()) {
        frontEnd->beep(type);
    }
}

bool requestOpenFile(FileOpenRequest* request) {
    emulated::FrontEnd* frontEnd = emulated::activeFrontEnd();
    if (frontEnd == nullptr || request == nullptr || request->fileBuffer == nullptr ||
        request->fileBufferSize == 0) {
        return false;
    }
    return frontEnd->requestOpenFile(*request);
}
