// The address sanitizer's settings for every fuzz target, tuned for many
// short runs: allocations are not filled with a pattern (the loaders allocate
// a lot and overwrite all of it), an allocation keeps only the two callers
// that made it, and freed memory waits in a 16 MB quarantine before it is
// reused, which still catches a use after free within one input. A crash
// found this way is replayed with ASAN_OPTIONS unset for the full report.
extern "C" const char* __asan_default_options()
{
    return "max_malloc_fill_size=0:malloc_context_size=2:quarantine_size_mb=16";
}
