// The leak checker of the sanitizer build reads this: fontconfig keeps its configuration for the
// whole process and never frees it, which is not a leak of ours.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\n";
}
