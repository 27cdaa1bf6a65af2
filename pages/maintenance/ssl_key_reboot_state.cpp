#include "pages/maintenance/ssl_key_reboot_state.h"

int SslKeyRebootState = 0;
