// Lodvex16.exe: stands in for the 16-bit checker, which a 32-bit build
// cannot make. It loads nothing and always answers "not loaded by this
// program" (100), so the caller relies on Lodvex32.exe alone.
//
//   Lodvex16.exe "<expected full path>" "<file name>"
int main() {
  constexpr int kNotLoaded = 100;
  return kNotLoaded;
}
