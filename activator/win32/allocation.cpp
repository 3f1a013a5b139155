// Vesktal's allocation functions, in place of the C++ runtime's: where the
// runtime's would throw std::bad_alloc, these end the program at once, as
// that exception, never caught, did too. The runtime's would draw its whole
// exception machinery into the program, most of the program file's size.
#include <cstdlib>
#include <new>

void* operator new(std::size_t size) {
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  std::abort();
}

void operator delete(void* memory) noexcept { std::free(memory); }

void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
