#include "pages/common/disabled_while.h"

#include "platform/ui/control.h"

DisabledWhile::DisabledWhile(ui::Control* control) : control_(control) { control_->SetEnabled(false); }

DisabledWhile::~DisabledWhile() { control_->SetEnabled(true); }
