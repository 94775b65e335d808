// The page program's two entry points, called by the page's script: start, once the core is
// loaded and the controls are enabled, and one call for each event of a control.
#include "app/web/webform.h"
#include "runtime/web/intlnumberformat.h"
#include "runtime/web/pageelements.h"

#include <emscripten.h>

#include <memory>

namespace {

std::unique_ptr<freefall::web::WebForm> form;

} // namespace

extern "C" {

// Returns 1 when the window is ready to calculate. Nothing thrown leaves for the script.
EMSCRIPTEN_KEEPALIVE int freefall_start()
{
    using namespace freefall;
    try {
        const auto &samples = kIntlSamples;
        form = std::make_unique<web::WebForm>(
            intlNumberFormat(page::numberParts(samples[0], samples[1], samples[2])));
        form->load();
        return 1;
    } catch (...) {
        form.reset();
        return 0;
    }
}

EMSCRIPTEN_KEEPALIVE void freefall_event(int event)
{
    if (form && event >= 0)
        form->raise(std::size_t(event));
}

} // extern "C"
