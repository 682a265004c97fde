#pragma once

namespace app {
// Starts GDI+ once for the life of the process; it is never shut down.
void StartGdiplus();
}
