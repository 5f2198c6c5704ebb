#include "forms/registration_form.h"

#include "app/hub.h"

namespace tallyvex::forms {

void registerRegistrationWindows(app::Hub& /*hub*/) {}

}  // namespace tallyvex::forms
