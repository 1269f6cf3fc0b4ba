// Linked into every executable: the product is built without exceptions,
// so the library's throw helpers and the verbose terminate handler (which
// pull in the unwinder and the demangler) are replaced by plain aborts.
#include <cstdlib>

namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

namespace std {
void __throw_bad_alloc() { std::abort(); }
void __throw_bad_array_new_length() { std::abort(); }
void __throw_length_error(const char*) { std::abort(); }
void __throw_logic_error(const char*) { std::abort(); }
void __throw_out_of_range(const char*) { std::abort(); }
void __throw_out_of_range_fmt(const char*, ...) { std::abort(); }
void __throw_invalid_argument(const char*) { std::abort(); }
void __throw_bad_function_call() { std::abort(); }
}  // namespace std

// Allocation without the exception machinery: the library's operator new
// would throw std::bad_alloc and so link the unwinder. Running out of
// memory ends the process.
#include <new>

void* operator new(std::size_t n) {
    void* p = std::malloc(n ? n : 1);
    if (!p) std::abort();
    return p;
}
void* operator new[](std::size_t n) { return operator new(n); }
void* operator new(std::size_t n, const std::nothrow_t&) noexcept { return std::malloc(n ? n : 1); }
void* operator new[](std::size_t n, const std::nothrow_t&) noexcept { return std::malloc(n ? n : 1); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

// Library code compiled with exceptions (the string instantiations) names
// the personality routine and the unwinder's resume in its unwind tables.
// Nothing in these programs throws, so neither can ever run; plain stubs
// keep the unwinder (about 20 KB) out of the executables.
extern "C" int __gxx_personality_v0(...) { std::abort(); }
extern "C" void _Unwind_Resume(void*) { std::abort(); }
extern "C" void* __cxa_begin_catch(void*) noexcept { std::abort(); }
extern "C" void __cxa_end_catch() { std::abort(); }
extern "C" void __cxa_rethrow() { std::abort(); }

