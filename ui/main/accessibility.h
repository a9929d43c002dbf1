// What the program tells screen readers beyond what Qt's widgets say by themselves: the clock
// window's rows, and combo boxes named for what they choose rather than for their value.
#pragma once

namespace horavia {

// Installs the program's accessible interfaces; once is enough, more calls do nothing.
void InstallAccessibleInterfaces();

}  // namespace horavia
