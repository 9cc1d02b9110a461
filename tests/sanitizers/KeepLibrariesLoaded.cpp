// Linked into every program of the sanitizer build. LeakSanitizer tells a leak from a block still
// in use by scanning the globals of the loaded libraries at exit; a library unloaded before that
// (Mesa's GL driver goes when the last display connection closes) leaves the blocks its globals
// held looking leaked. A program's own dlclose takes the place of the C library's for every
// library it loads, so here nothing is ever unloaded.
extern "C" int dlclose(void* /*handle*/) {
    return 0;
}
