// Every native wrapper (src/host/natives/*.cpp) against the game's reference
// data (sim/data/natives.def): each call's hash is a native of the game, and
// it pushes as many arguments as that native reads, each of the kind the
// native declares (a Player, Ped, Vehicle, Entity or Hash as the game types
// it, an integer, a float, a text or an address); a wrapper's result has the
// type the native's has; and each declaration names the native it calls as the
// reference does, and is named after it. The wrappers are read as source, so
// a new wrapper is checked as soon as it is written.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "sim/native_reference.h"

namespace {

namespace fs = std::filesystem;

const fs::path sourceRoot = PELORIN_SOURCE_DIR;

std::string readText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string trimmed(const std::string& text) {
    size_t begin = text.find_first_not_of(" \t\r\n");
    size_t end = text.find_last_not_of(" \t\r\n");
    return begin == std::string::npos ? "" : text.substr(begin, end - begin + 1);
}

// The text with comments and the contents of string literals blanked, so
// that braces, parentheses and commas can be counted.
std::string codeOnly(std::string text) {
    for (size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "//") == 0) {
            while (i < text.size() && text[i] != '\n') text[i++] = ' ';
        } else if (text[i] == '"') {
            for (++i; i < text.size() && text[i] != '"'; ++i) text[i] = 'x';
        }
    }
    return text;
}

bool isIdentifierCharacter(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

// Digits from `from` on, at least one; returns the position after them.
size_t skipDigits(const std::string& text, size_t from) {
    size_t at = from;
    while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at]))) ++at;
    return at;
}

// An integer literal (-1, 0, 42u) or a boolean one.
bool isIntegerLiteral(const std::string& text) {
    if (text == "true" || text == "false") return true;
    size_t start = !text.empty() && text[0] == '-' ? 1 : 0;
    size_t end = skipDigits(text, start);
    if (end < text.size() && (text[end] == 'u' || text[end] == 'U')) ++end;
    return end > start && end == text.size() && std::isdigit(static_cast<unsigned char>(text[start]));
}

// A float literal with a decimal point and the f suffix (0.0f, -2.5f, 5.f).
bool isFloatLiteral(const std::string& text) {
    size_t start = !text.empty() && text[0] == '-' ? 1 : 0;
    size_t point = skipDigits(text, start);
    if (point >= text.size() || text[point] != '.') return false;
    size_t end = skipDigits(text, point + 1);
    return end - start > 1 && end + 1 == text.size() && text[end] == 'f';
}

// A hash as the wrappers write it: 0x, sixteen hexadecimal digits, ull.
bool isHashLiteral(const std::string& text) {
    if (text.size() != 21 || text.compare(0, 2, "0x") != 0 || text.compare(18, 3, "ull") != 0) return false;
    for (size_t i = 2; i < 18; ++i)
        if (!std::isxdigit(static_cast<unsigned char>(text[i]))) return false;
    return true;
}

// Splits at the commas outside parentheses.
std::vector<std::string> topLevelParts(const std::string& text) {
    std::vector<std::string> parts;
    int depth = 0;
    std::string part;
    for (char c : text) {
        depth += c == '(' ? 1 : c == ')' ? -1 : 0;
        if (c == ',' && depth == 0) {
            parts.push_back(trimmed(part));
            part.clear();
        } else {
            part += c;
        }
    }
    if (!trimmed(part).empty()) parts.push_back(trimmed(part));
    return parts;
}

struct Function {
    std::string name;
    std::string returnType;
    std::map<std::string, std::string> parameterTypes;  // name -> type as written
    size_t bodyBegin = 0, bodyEnd = 0;
};

// The name and parameter list of a function header ("bool f(int a, float b)"),
// or false when the text before a brace is no such header.
bool parseHeader(std::string head, std::string* name, std::string* parameters, std::string* returnType) {
    if (head.size() > 5 && head.compare(head.size() - 5, 5, "const") == 0) head = trimmed(head.substr(0, head.size() - 5));
    if (head.empty() || head.back() != ')') return false;
    size_t open = head.rfind('(');
    if (open == std::string::npos || head.find(')') != head.size() - 1) return false;
    size_t end = open;
    while (end > 0 && head[end - 1] == ' ') --end;
    size_t begin = end;
    while (begin > 0 && isIdentifierCharacter(head[begin - 1])) --begin;
    if (begin == end) return false;
    *name = head.substr(begin, end - begin);
    *parameters = head.substr(open + 1, head.size() - open - 2);
    *returnType = trimmed(head.substr(0, begin));
    return true;
}

// The functions defined at file level (outside any function), with their
// parameters and where their bodies lie.
std::vector<Function> functionsOf(const std::string& code) {
    std::vector<Function> functions;
    size_t boundary = 0;
    for (size_t i = 0; i < code.size(); ++i) {
        if (code[i] == ';' || code[i] == '}' || code[i] == '#') {
            if (code[i] == '#') i = code.find('\n', i);
            boundary = i + 1;
            continue;
        }
        if (code[i] != '{') continue;
        std::string head = trimmed(code.substr(boundary, i - boundary));
        int depth = 1;
        size_t end = i + 1;
        for (; end < code.size() && depth > 0; ++end) depth += code[end] == '{' ? 1 : code[end] == '}' ? -1 : 0;
        if (head.rfind("namespace", 0) == 0) {  // its contents are file level too
            boundary = i + 1;
            continue;
        }
        std::string name, parameters, returnType;
        if (parseHeader(head, &name, &parameters, &returnType)) {
            Function function{name, returnType, {}, i, end};
            for (const std::string& parameter : topLevelParts(parameters)) {
                size_t split = parameter.find_last_of(" *&");
                function.parameterTypes[parameter.substr(split + 1)] = trimmed(parameter.substr(0, split + 1));
            }
            functions.push_back(function);
        }
        boundary = end;
        i = end - 1;
    }
    return functions;
}

// The kind a C++ type travels as in an argument slot; false for a type the
// encoding does not know.
bool kindOfType(const std::string& written, sim::ArgumentKind* kind) {
    // Spaces as in "const char*": one between words, none before a star.
    std::string type;
    for (char c : written) {
        if (std::isspace(static_cast<unsigned char>(c))) {
            if (!type.empty() && type.back() != ' ') type += ' ';
        } else {
            if (c == '*' && !type.empty() && type.back() == ' ') type.pop_back();
            type += c;
        }
    }
    const std::pair<const char*, sim::ArgumentKind> gameTypes[] = {
        {"game::Player", sim::ArgumentKind::Player}, {"game::Ped", sim::ArgumentKind::Ped},
        {"game::Vehicle", sim::ArgumentKind::Vehicle}, {"game::Entity", sim::ArgumentKind::Entity},
        {"game::Hash", sim::ArgumentKind::Hash},
    };
    for (const auto& [name, gameKind] : gameTypes)
        if (type == name) {
            *kind = gameKind;
            return true;
        }
    if (type == "bool" || type == "int" || type == "int32_t" || type == "uint32_t") {
        *kind = sim::ArgumentKind::Integer;
    } else if (type == "float") {
        *kind = sim::ArgumentKind::Float;
    } else if (type == "const char*") {
        *kind = sim::ArgumentKind::Text;
    } else if (!type.empty() && type.back() == '*') {
        *kind = sim::ArgumentKind::Address;
    } else {
        return false;
    }
    return true;
}

// The kind of one argument as written: a parameter of the wrapper or a literal.
bool kindOfArgument(const std::string& argument, const Function& function, sim::ArgumentKind* kind) {
    auto parameter = function.parameterTypes.find(argument);
    if (parameter != function.parameterTypes.end()) return kindOfType(parameter->second, kind);
    if (isIntegerLiteral(argument)) {
        *kind = sim::ArgumentKind::Integer;
    } else if (isFloatLiteral(argument)) {
        *kind = sim::ArgumentKind::Float;
    } else if (argument.size() >= 2 && argument.front() == '"' && argument.back() == '"') {
        *kind = sim::ArgumentKind::Text;
    } else {
        return false;
    }
    return true;
}

struct WrapperCall {
    std::string where;  // file and function
    uint64_t hash = 0;
    std::vector<std::string> arguments;
    const Function* function = nullptr;
};

const std::string invokeText = "native::invoke(";

std::vector<WrapperCall> callsIn(const fs::path& file, const std::string& code, const std::vector<Function>& functions) {
    std::vector<WrapperCall> calls;
    for (size_t at = code.find(invokeText); at != std::string::npos; at = code.find(invokeText, at + 1)) {
        size_t open = at + invokeText.size(), close = open;
        for (int depth = 1; close < code.size() && depth > 0; ++close)
            depth += code[close] == '(' ? 1 : code[close] == ')' ? -1 : 0;
        WrapperCall call;
        call.arguments = topLevelParts(code.substr(open, close - 1 - open));
        for (const Function& function : functions)
            if (at > function.bodyBegin && at < function.bodyEnd) call.function = &function;
        call.where = file.filename().string() + " " + (call.function ? call.function->name : "(outside a function)");
        if (!call.arguments.empty() && isHashLiteral(call.arguments[0]))
            call.hash = std::stoull(call.arguments[0].substr(2, 16), nullptr, 16);
        if (!call.arguments.empty()) call.arguments.erase(call.arguments.begin());
        calls.push_back(call);
    }
    return calls;
}

std::vector<fs::path> wrapperSources() {
    std::vector<fs::path> sources;
    for (const fs::directory_entry& entry : fs::directory_iterator(sourceRoot / "src/host/natives"))
        if (entry.path().extension() == ".cpp") sources.push_back(entry.path());
    return sources;
}

}  // namespace

namespace {

// One wrapper's call against the native's declaration; a failure ends the
// check of this call only.
void checkAgainstTheGame(const WrapperCall& call) {
    SCOPED_TRACE(call.where);
    ASSERT_NE(call.function, nullptr) << "a native call outside a wrapper function";
    ASSERT_NE(call.hash, 0u) << "the hash is not written as a 16-digit literal";
    const sim::NativeDeclaration* native = sim::findNativeDeclaration(call.hash);
    ASSERT_NE(native, nullptr) << std::hex << "0x" << call.hash
                               << " is no native of the reference data (run scripts/regenerate_game_facts.py)";
    SCOPED_TRACE(native->name);
    ASSERT_EQ(call.arguments.size(), native->arguments.size()) << "argument count";
    for (size_t i = 0; i < call.arguments.size(); ++i) {
        sim::ArgumentKind kind;
        ASSERT_TRUE(kindOfArgument(call.arguments[i], *call.function, &kind))
            << "cannot tell the kind of argument '" << call.arguments[i]
            << "': pass the wrapper's parameters or literals";
        EXPECT_EQ(kind, native->arguments[i]) << native->argumentNames[i] << ": pushed as "
                                              << sim::argumentKindName(kind) << ", read as "
                                              << sim::argumentKindName(native->arguments[i]);
    }
    // A result the game types (a Player, Ped, Vehicle, Entity or Hash) is
    // returned as that type, and only such a result.
    sim::ArgumentKind returned;
    bool typed = kindOfType(call.function->returnType, &returned) && returned != sim::ArgumentKind::Integer &&
                 sim::travelsAsInteger(returned);
    if (sim::travelsAsInteger(native->result) && native->result != sim::ArgumentKind::Integer) {
        EXPECT_TRUE(typed && returned == native->result)
            << "returns " << call.function->returnType << "; the game's result is a "
            << sim::argumentKindName(native->result);
    } else {
        EXPECT_FALSE(typed) << "returns " << call.function->returnType << "; the game's result is no such handle";
    }
}

// The hash each wrapper function calls, by the function's name.
std::map<std::string, uint64_t> hashesByWrapper() {
    std::map<std::string, uint64_t> hashes;
    for (const fs::path& source : wrapperSources()) {
        std::string code = codeOnly(readText(source));
        std::vector<Function> functions = functionsOf(code);
        for (const WrapperCall& call : callsIn(source, code, functions))
            if (call.function) hashes[call.function->name] = call.hash;
    }
    return hashes;
}

// A wrapper's declaration in a header: its name, and the hash and native name
// its comment gives ("// 0x7239B21A38F536BA DOES_ENTITY_EXIST ...").
struct Declaration {
    std::string function;
    uint64_t hash = 0;
    std::string nativeName;  // empty when the comment names none
};

// The declarations of a header's lines that end in a hash comment.
std::vector<Declaration> declarationsIn(const std::string& text) {
    std::vector<Declaration> declarations;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        size_t comment = line.find("// 0x");
        size_t open = line.find('(');
        if (comment == std::string::npos || open == std::string::npos || open > comment || line.rfind("//", 0) == 0)
            continue;
        Declaration declaration;
        size_t begin = open;
        while (begin > 0 && isIdentifierCharacter(line[begin - 1])) --begin;
        declaration.function = line.substr(begin, open - begin);
        std::string hash = line.substr(comment + 3, 18);
        if (hash.size() == 18) declaration.hash = std::stoull(hash.substr(2), nullptr, 16);
        size_t name = comment + 3 + 18;
        while (name < line.size() && line[name] == ' ') ++name;
        size_t nameEnd = name;
        while (nameEnd < line.size() && (std::isupper(static_cast<unsigned char>(line[nameEnd])) ||
                                         std::isdigit(static_cast<unsigned char>(line[nameEnd])) || line[nameEnd] == '_'))
            ++nameEnd;
        declaration.nativeName = line.substr(name, nameEnd - name);
        declarations.push_back(declaration);
    }
    return declarations;
}

// A native's name as a wrapper's: lowerCamelCase, a leading underscore
// dropped (GET_GROUND_Z_FOR_3D_COORD: getGroundZFor3dCoord).
std::string lowerCamelCase(const std::string& native) {
    std::string name;
    bool wordStart = false;
    for (char c : native) {
        if (c == '_') {
            wordStart = !name.empty();
            continue;
        }
        auto letter = static_cast<unsigned char>(c);
        name += static_cast<char>(wordStart ? std::toupper(letter) : std::tolower(letter));
        wordStart = false;
    }
    return name;
}

// The wrapper is named after the native, or that name and a suffix that
// starts a word of its own (setVehicleEngineOnNow).
bool namedAfter(const std::string& function, const std::string& native) {
    std::string plain = lowerCamelCase(native);
    if (function.compare(0, plain.size(), plain) != 0) return false;
    return function.size() == plain.size() || std::isupper(static_cast<unsigned char>(function[plain.size()]));
}

}  // namespace

TEST(NativeWrappers, PushWhatTheGameReadsForEachHash) {
    int checked = 0;
    for (const fs::path& source : wrapperSources()) {
        std::string code = codeOnly(readText(source));
        std::vector<Function> functions = functionsOf(code);
        for (const WrapperCall& call : callsIn(source, code, functions)) {
            checkAgainstTheGame(call);
            ++checked;
        }
    }
    EXPECT_GT(checked, 90) << "every wrapper file was read";
}

TEST(NativeWrappers, DeclarationsNameTheNativeTheyCallAsTheGameDoes) {
    std::map<std::string, uint64_t> called = hashesByWrapper();
    int checked = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(sourceRoot / "src/host/natives")) {
        if (entry.path().extension() != ".h") continue;
        for (const Declaration& declaration : declarationsIn(readText(entry.path()))) {
            SCOPED_TRACE(entry.path().filename().string() + " " + declaration.function);
            auto call = called.find(declaration.function);
            ASSERT_NE(call, called.end()) << "no wrapper of that name calls a native";
            EXPECT_EQ(declaration.hash, call->second) << "the comment gives another hash than the wrapper calls";
            const sim::NativeDeclaration* native = sim::findNativeDeclaration(call->second);
            ASSERT_NE(native, nullptr);
            EXPECT_EQ(declaration.nativeName, native->name) << "the comment names the native otherwise";
            EXPECT_TRUE(namedAfter(declaration.function, declaration.nativeName))
                << "a wrapper is named " << lowerCamelCase(declaration.nativeName)
                << ", or that and a suffix (scripts/rename_native_wrappers.py renames it and every use)";
            ++checked;
        }
    }
    EXPECT_EQ(checked, static_cast<int>(called.size())) << "every wrapper is declared with its native's name";
}

TEST(NativeWrappers, AreTheOnlyCallersOfTheGame) {
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(sourceRoot / "src")) {
        fs::path relative = fs::relative(entry.path(), sourceRoot / "src");
        if (!entry.is_regular_file() || relative.parent_path() == "host/natives" || relative == "host/native_call.h")
            continue;
        std::string code = codeOnly(readText(entry.path()));
        EXPECT_EQ(code.find(invokeText), std::string::npos) << relative;
        EXPECT_EQ(code.find("host::native"), std::string::npos) << relative;
    }
}

TEST(NativeWrappers, TheSourceReaderTellsKindsAndRefusesWhatItCannotRead) {
    // A wrapper as the reader sees it, with one argument it cannot type.
    std::string code = codeOnly(
        "#include \"x.h\"\n"
        "namespace {\n"
        "// a comment with a { brace\n"
        "bool helper(float x) { return x > 0.0f; }\n"
        "}  // namespace\n"
        "game::Vehicle wrapper(uint32_t entity, const char  *name, float* height, float speed,\n"
        "                      game::Ped ped, game::Player player, game::Hash model) const {\n"
        "    native::invoke(0x0123456789ABCDEFull, entity, name, height, speed, -1, 2.5f, \"text\", true, 7u, 5.f,\n"
        "                   ped, player, model, x + 1);\n"
        "}\n");
    std::vector<Function> functions = functionsOf(code);
    ASSERT_EQ(functions.size(), 2u);
    EXPECT_EQ(functions[0].name, "helper");
    std::vector<WrapperCall> calls = callsIn("x.cpp", code, functions);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].hash, 0x0123456789ABCDEFull);
    ASSERT_NE(calls[0].function, nullptr);
    EXPECT_EQ(calls[0].function->name, "wrapper");
    EXPECT_EQ(calls[0].function->returnType, "game::Vehicle");
    using K = sim::ArgumentKind;
    const K expected[] = {K::Integer, K::Text,    K::Address, K::Float, K::Integer, K::Float, K::Text,
                          K::Integer, K::Integer, K::Float,   K::Ped,   K::Player,  K::Hash};
    ASSERT_EQ(calls[0].arguments.size(), 14u);
    for (size_t i = 0; i < 13; ++i) {
        sim::ArgumentKind kind;
        ASSERT_TRUE(kindOfArgument(calls[0].arguments[i], *calls[0].function, &kind)) << calls[0].arguments[i];
        EXPECT_EQ(kind, expected[i]) << calls[0].arguments[i];
    }
    sim::ArgumentKind kind;
    EXPECT_FALSE(kindOfArgument(calls[0].arguments[13], *calls[0].function, &kind));
    // The game's kinds as the reference writes its types.
    EXPECT_EQ(sim::argumentKindOf("Player"), K::Player);
    EXPECT_EQ(sim::argumentKindOf("Entity"), K::Entity);
    EXPECT_EQ(sim::argumentKindOf("Vehicle"), K::Vehicle);
    EXPECT_EQ(sim::argumentKindOf("Vehicle*"), K::Address);
    EXPECT_EQ(sim::argumentKindOf("BOOL"), K::Integer);
    EXPECT_EQ(sim::argumentKindOf("Blip"), K::Integer);

    // Declarations as the header reader sees them.
    std::vector<Declaration> declarations = declarationsIn(
        "// A comment line with // 0x0000000000000001 in it\n"
        "bool isPedInAnyVehicle(game::Ped ped);  // 0x997ABD671D25CA0B IS_PED_IN_ANY_VEHICLE (ped, 1)\n"
        "void unnamed(int32_t x);  // 0x0123456789ABCDEF (x)\n"
        "void undocumented(int32_t x);\n");
    ASSERT_EQ(declarations.size(), 2u);
    EXPECT_EQ(declarations[0].function, "isPedInAnyVehicle");
    EXPECT_EQ(declarations[0].hash, 0x997ABD671D25CA0Bull);
    EXPECT_EQ(declarations[0].nativeName, "IS_PED_IN_ANY_VEHICLE");
    EXPECT_EQ(declarations[1].function, "unnamed");
    EXPECT_EQ(declarations[1].nativeName, "");

    // Wrapper names from native names.
    EXPECT_EQ(lowerCamelCase("GET_GROUND_Z_FOR_3D_COORD"), "getGroundZFor3dCoord");
    EXPECT_EQ(lowerCamelCase("_SET_VEHICLE_MOD_COLOR_1"), "setVehicleModColor1");
    EXPECT_TRUE(namedAfter("playerId", "PLAYER_ID"));
    EXPECT_TRUE(namedAfter("setVehicleEngineOnNow", "SET_VEHICLE_ENGINE_ON"));
    EXPECT_FALSE(namedAfter("setVehicleEngineOnce", "SET_VEHICLE_ENGINE_ON")) << "a suffix starts a word";
    EXPECT_FALSE(namedAfter("localPlayerPed", "PLAYER_PED_ID"));
    EXPECT_FALSE(namedAfter("setVehicle", "SET_VEHICLE_MOD"));
}
