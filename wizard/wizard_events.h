// The wizard's event loop: what each element does when used.
#pragma once

[[noreturn]] void wizard_event_loop();
