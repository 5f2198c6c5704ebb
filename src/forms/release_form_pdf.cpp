// Renders the release form's text into the PDF the program ships:
//   tallyvex_release_form src/forms/release_form.txt share/forms/ReleaseForm.pdf
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>

#include "forms/registration.h"
#include "qt/host.h"
#include "qt/startup.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: tallyvex_release_form TEXT PDF\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << "tallyvex_release_form: cannot read " << argv[1] << "\n";
        return 1;
    }
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    int qtArgc = 1;
    auto qtApp = tallyvex::qt::makeHeadlessApplication(qtArgc, argv);
    const std::string pdf = tallyvex::qt::pdfBytes(tallyvex::forms::releaseFormJob(text));
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out << pdf;
    if (!out.flush()) {
        std::cerr << "tallyvex_release_form: cannot write " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
