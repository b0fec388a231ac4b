#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vexa::sim::lisp {

class Value;
class Interpreter;
class FileStream;

// nil is the null pointer: cheap to create, copy and test.
using ValuePtr = std::shared_ptr<const Value>;
using Args = std::vector<ValuePtr>;
using BuiltinFn = std::function<ValuePtr(Interpreter&, const Args&)>;

struct Cons {
    ValuePtr car;
    ValuePtr cdr;
};

struct Symbol {
    std::wstring name;  // always uppercase
};

struct EntityName {
    std::int64_t id;
};

struct Subr {
    std::wstring name;
    BuiltinFn fn;
};

struct UserFunction {
    std::wstring name;  // empty for a lambda
    std::vector<std::wstring> params;
    std::vector<std::wstring> locals;
    ValuePtr body;  // list of forms
};

// A file of (open ...); closing it keeps the value, which then names a closed file.
struct File {
    std::shared_ptr<FileStream> stream;
};

// Order matches the variant alternatives in Value.
enum class ValueKind { Integer, Real, String, Symbol, Cons, EntityName, Subr, UserFunction, File };

class Value {
public:
    using Data = std::variant<std::int32_t, double, std::wstring, Symbol, Cons, EntityName, Subr, UserFunction, File>;

    explicit Value(Data data) : data_(std::move(data)) {}
    ~Value();
    Value(const Value&) = delete;
    Value& operator=(const Value&) = delete;

    ValueKind kind() const { return static_cast<ValueKind>(data_.index()); }
    bool is(ValueKind k) const { return kind() == k; }

    std::int32_t integer() const { return std::get<std::int32_t>(data_); }
    double real() const { return std::get<double>(data_); }
    const std::wstring& string() const { return std::get<std::wstring>(data_); }
    const std::wstring& symbolName() const { return std::get<Symbol>(data_).name; }
    const Cons& cons() const { return std::get<Cons>(data_); }
    std::int64_t entityId() const { return std::get<EntityName>(data_).id; }
    const Subr& subr() const { return std::get<Subr>(data_); }
    const UserFunction& userFunction() const { return std::get<UserFunction>(data_); }
    FileStream& file() const { return *std::get<File>(data_).stream; }

private:
    Data data_;
};

std::wstring toUpper(std::wstring_view text);

ValuePtr makeInteger(std::int32_t value);
ValuePtr makeReal(double value);
ValuePtr makeString(std::wstring value);
ValuePtr makeSymbol(std::wstring_view name);  // uppercases the name
ValuePtr makeCons(ValuePtr car, ValuePtr cdr);
ValuePtr makeEntityName(std::int64_t id);
ValuePtr makeFile(std::shared_ptr<FileStream> stream);
ValuePtr makeList(const std::vector<ValuePtr>& items, ValuePtr tail = nullptr);

const ValuePtr& trueValue();    // the symbol T
ValuePtr boolValue(bool truth);  // T or nil

bool isKind(const ValuePtr& v, ValueKind kind);
bool isCons(const ValuePtr& v);
bool isList(const ValuePtr& v);  // nil or a cons cell
bool isNumber(const ValuePtr& v);
bool isSymbolNamed(const ValuePtr& v, std::wstring_view upperName);

// Elements of a proper list; throws "bad argument type: listp ..." for an atom or dotted list.
std::vector<ValuePtr> listToVector(const ValuePtr& list);

// car/cdr of nil are nil; of any other atom they throw "bad argument type: consp ...".
const ValuePtr& carOf(const ValuePtr& v);
const ValuePtr& cdrOf(const ValuePtr& v);

}  // namespace vexa::sim::lisp
