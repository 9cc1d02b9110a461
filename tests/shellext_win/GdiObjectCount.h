// How many GDI objects the process holds: GetGuiResources where the system counts them
// (Windows), else the used entries of the process's GDI handle table, which Wine keeps where
// Windows does (in the process environment block) but does not count.
#pragma once

int GdiObjectCount();
