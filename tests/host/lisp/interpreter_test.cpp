#include <gtest/gtest.h>

#include <string>

#include "lisp/interpreter.h"
#include "lisp/printer.h"

namespace vexa::sim::lisp {
namespace {

class InterpreterTest : public ::testing::Test {
protected:
    InterpreterTest() {
        lisp.setOutput([this](std::wstring_view text) { output += text; });
    }

    // Evaluates the source; the prin1 form of the last value, or "error: <message>".
    std::wstring run(std::wstring_view source) {
        try {
            return print(lisp.evaluateText(source), true);
        } catch (const LispError& e) {
            return L"error: " + e.message();
        }
    }

    Interpreter lisp;
    std::wstring output;
};

TEST_F(InterpreterTest, Arithmetic) {
    EXPECT_EQ(run(L"(+ 1 2 3)"), L"6");
    EXPECT_EQ(run(L"(+ 1 2.0)"), L"3.0");
    EXPECT_EQ(run(L"(+)"), L"0");
    EXPECT_EQ(run(L"(- 10 3 2)"), L"5");
    EXPECT_EQ(run(L"(- 5)"), L"-5");
    EXPECT_EQ(run(L"(* 2 3.5)"), L"7.0");
    EXPECT_EQ(run(L"(/ 7 2)"), L"3");
    EXPECT_EQ(run(L"(/ -7 2)"), L"-3");
    EXPECT_EQ(run(L"(/ 7 2.0)"), L"3.5");
    EXPECT_EQ(run(L"(/ 7 0)"), L"error: divide by zero");
    EXPECT_EQ(run(L"(/ 7.0 0.0)"), L"error: divide by zero");
    EXPECT_EQ(run(L"(rem 42 12)"), L"6");
    EXPECT_EQ(run(L"(rem 9.5 2)"), L"1.5");
    EXPECT_EQ(run(L"(rem 1 0)"), L"error: divide by zero");
    EXPECT_EQ(run(L"(list (1+ 1) (1- 1.5) (abs -4) (abs -2.5))"), L"(2 0.5 4 2.5)");
    EXPECT_EQ(run(L"(list (min 3 1 2) (max 3 1 2) (max 1 2.0))"), L"(1 3 2.0)");
    EXPECT_EQ(run(L"(list (fix 3.7) (fix -3.7) (float 2) (sqrt 16))"), L"(3 -3 2.0 4.0)");
    EXPECT_EQ(run(L"(fix 1e12)"), L"1.0e+12");
    EXPECT_EQ(run(L"(sqrt -1)"), L"error: function undefined for argument: -1");
    EXPECT_EQ(run(L"(list (expt 2 10) (expt 2.0 0.5))"), L"(1024 1.41421)");
    EXPECT_EQ(run(L"(+ 1 \"a\")"), L"error: bad argument type: numberp: \"a\"");
    EXPECT_EQ(run(L"(+ 1 nil)"), L"error: bad argument type: numberp: nil");
}

TEST_F(InterpreterTest, IntegersWrapAt32Bits) {
    EXPECT_EQ(run(L"(+ 2147483647 1)"), L"-2147483648");
    EXPECT_EQ(run(L"(- -2147483648 1)"), L"2147483647");
    EXPECT_EQ(run(L"(* 65536 65536)"), L"0");
    EXPECT_EQ(run(L"(/ -2147483648 -1)"), L"-2147483648");
    EXPECT_EQ(run(L"(rem -2147483648 -1)"), L"0");
    EXPECT_EQ(run(L"(abs -2147483648)"), L"-2147483648");
    EXPECT_EQ(run(L"(1+ 2147483647)"), L"-2147483648");
    EXPECT_EQ(run(L"(expt 3 1000000000)"), L"783845377");
}

TEST_F(InterpreterTest, ComparisonAndEquality) {
    EXPECT_EQ(run(L"(list (= 1 1.0) (= 1 2) (= \"a\" \"a\") (/= 1 2) (< 1 2 3) (< 1 3 2))"), L"(T nil T T T nil)");
    EXPECT_EQ(run(L"(list (<= 1 1 2) (>= 3 3 1) (> \"b\" \"a\") (= 'a 'A))"), L"(T T T T)");
    EXPECT_EQ(run(L"(< 1 \"a\")"), L"error: bad argument type: numberp: \"a\"");
    EXPECT_EQ(run(L"(=)"), L"error: too few arguments");
    EXPECT_EQ(run(L"(list (eq 'a 'a) (eq \"a\" \"a\") (eq '(1) '(1)) (equal '(1 \"a\") '(1 \"a\")))"),
              L"(T nil nil T)");
    EXPECT_EQ(run(L"(setq l '(1 2)) (eq l l)"), L"T");
    EXPECT_EQ(run(L"(list (equal 1.0 1.05 0.1) (equal 1.0 1.2 0.1) (equal '(1 (2.0)) '(1 (2.001)) 0.01))"),
              L"(T nil T)");
}

TEST_F(InterpreterTest, Predicates) {
    EXPECT_EQ(run(L"(list (not nil) (null 1) (atom 'a) (atom '(1)) (listp nil) (listp 1) (numberp 1.5))"),
              L"(T nil T nil T nil T)");
    EXPECT_EQ(run(L"(setq x 1) (list (boundp 'x) (boundp 'unset-var))"), L"(T nil)");
    EXPECT_EQ(run(L"(mapcar 'type (list 1 1.0 \"s\" 'a '(1) car (lambda () 1) nil))"),
              L"(INT REAL STR SYM LIST SUBR USUBR nil)");
}

TEST_F(InterpreterTest, ListFunctions) {
    EXPECT_EQ(run(L"(list (car '(1 2 3)) (cdr '(1 2 3)) (cadr '(1 2 3)) (caddr '(1 2 3)) (cddr '(1 2 3)))"),
              L"(1 (2 3) 2 3 (3))");
    EXPECT_EQ(run(L"(list (caar '((1) 2)) (cdar '((1 . 5))) (cadddr '(1 2 3 4)) (cadar '((1 2))) (car nil))"),
              L"(1 5 4 2 nil)");
    EXPECT_EQ(run(L"(car 5)"), L"error: bad argument type: consp 5");
    EXPECT_EQ(run(L"(cons 1 2)"), L"(1 . 2)");
    EXPECT_EQ(run(L"(cons 1 '(2))"), L"(1 2)");
    EXPECT_EQ(run(L"(list (last '(1 2 3)) (nth 1 '(a b c)) (nth 5 '(a)) (length '(1 2 3)) (length nil))"),
              L"(3 B nil 3 0)");
    EXPECT_EQ(run(L"(length '(1 . 2))"), L"error: bad argument type: listp (1 . 2)");
    EXPECT_EQ(run(L"(append '(1 2) nil '(3) '(4 5))"), L"(1 2 3 4 5)");
    EXPECT_EQ(run(L"(append '(1) 2)"), L"error: bad argument type: listp 2");
    EXPECT_EQ(run(L"(reverse '(1 2 3))"), L"(3 2 1)");
    EXPECT_EQ(run(L"(assoc 8 '((0 . \"LINE\") (8 . \"0\")))"), L"(8 . \"0\")");
    EXPECT_EQ(run(L"(assoc \"b\" '((\"a\" 1) (\"b\" 2)))"), L"(\"b\" 2)");
    EXPECT_EQ(run(L"(member 3 '(1 2 3 4))"), L"(3 4)");
    EXPECT_EQ(run(L"(member 9 '(1 2))"), L"nil");
    EXPECT_EQ(run(L"(subst '(8 . \"A\") '(8 . \"0\") '((0 . \"LINE\") (8 . \"0\")))"),
              L"((0 . \"LINE\") (8 . \"A\"))");
    EXPECT_EQ(run(L"(list (vl-position 'c '(a b c)) (vl-position 'z '(a)) (vl-remove 2 '(1 2 3 2)))"),
              L"(2 nil (1 3))");
}

TEST_F(InterpreterTest, MapcarApplyAndSort) {
    EXPECT_EQ(run(L"(mapcar '1+ '(1 2 3))"), L"(2 3 4)");
    EXPECT_EQ(run(L"(mapcar '+ '(1 2 3) '(10 20))"), L"(11 22)");
    EXPECT_EQ(run(L"(mapcar (function (lambda (x) (* x x))) '(1 2 3))"), L"(1 4 9)");
    EXPECT_EQ(run(L"(mapcar '(lambda (x) (* x 2)) '(1 2))"), L"(2 4)");
    EXPECT_EQ(run(L"(apply '+ '(1 2 3))"), L"6");
    EXPECT_EQ(run(L"(apply 'max (list 4 9 2))"), L"9");
    EXPECT_EQ(run(L"(eval '(+ 1 2))"), L"3");
    EXPECT_EQ(run(L"((lambda (a b) (- a b)) 5 3)"), L"2");
    EXPECT_EQ(run(L"(vl-sort '(3 1 2) '<)"), L"(1 2 3)");
    EXPECT_EQ(run(L"(vl-sort '(\"b\" \"c\" \"a\") (function (lambda (a b) (< a b))))"), L"(\"a\" \"b\" \"c\")");
    EXPECT_EQ(run(L"(vl-sort '(3 2 1 3) '<)"), L"(1 2 3)");
    EXPECT_EQ(run(L"(vl-sort '((2 a) (1 b) (2 c)) '(lambda (x y) (< (car x) (car y))))"), L"((1 B) (2 A) (2 C))");
    // A predicate that is not an ordering must not break the sort.
    EXPECT_EQ(run(L"(length (vl-sort '(5 3 8 1 9 2 7) '(lambda (a b) T)))"), L"7");
    EXPECT_EQ(run(L"(mapcar 'nosuchfn '(1))"), L"error: no function definition: NOSUCHFN");
}

TEST_F(InterpreterTest, Strings) {
    EXPECT_EQ(run(L"(strcat \"ab\" \"\" \"cd\")"), L"\"abcd\"");
    EXPECT_EQ(run(L"(strcat \"a\" 1)"), L"error: bad argument type: stringp 1");
    EXPECT_EQ(run(L"(list (substr \"abcdef\" 2 3) (substr \"abcdef\" 4) (substr \"abc\" 9) (strlen \"abc\"))"),
              L"(\"bcd\" \"def\" \"\" 3)");
    EXPECT_EQ(run(L"(substr \"abc\" 0)"), L"error: bad argument value: positive 0");
    EXPECT_EQ(run(L"(list (strcase \"aBc\") (strcase \"aBc\" T))"), L"(\"ABC\" \"abc\")");
    EXPECT_EQ(run(L"(list (itoa -12) (atoi \"42abc\") (atoi \"x\") (atof \"2.5\") (atof \"\"))"),
              L"(\"-12\" 42 0 2.5 0.0)");
    EXPECT_EQ(run(L"(itoa 1.5)"), L"error: bad argument type: fixnump: 1.5");
    EXPECT_EQ(run(L"(list (rtos 1.5) (rtos 3.14159 2 2) (rtos 2 2 0) (rtos 1234.56 1 3))"),
              L"(\"1.5000\" \"3.14\" \"2\" \"1.235E+03\")");
    EXPECT_EQ(run(L"(list (chr 65) (ascii \"A\") (ascii \"\"))"), L"(\"A\" 65 0)");
    EXPECT_EQ(run(L"(list (read \"(a . 1)\") (read \"x y\") (read \"\"))"), L"((A . 1) X nil)");
    EXPECT_EQ(run(L"(read \"(1\")"), L"error: malformed list on input");
    EXPECT_EQ(run(L"(list (vl-princ-to-string \"a\") (vl-prin1-to-string \"a\") (vl-princ-to-string '(1 \"b\")))"),
              L"(\"a\" \"\\\"a\\\"\" \"(1 b)\")");
    EXPECT_EQ(run(L"(list (vl-string-search \"lo\" \"hello lo\") (vl-string-search \"lo\" \"hello lo\" 4) "
                  L"(vl-string-search \"z\" \"abc\"))"),
              L"(3 6 nil)");
    EXPECT_EQ(run(L"(vl-string-subst \"X\" \"a\" \"banana\")"), L"\"bXnana\"");
    EXPECT_EQ(run(L"(list (vl-string-left-trim \" \" \"  a  \") (vl-string-right-trim \" \" \"  a  \") "
                  L"(vl-string-trim \" \" \"  a  \") (vl-string-trim \" \" \"   \"))"),
              L"(\"a  \" \"  a\" \"a\" \"\")");
}

TEST_F(InterpreterTest, Wcmatch) {
    EXPECT_EQ(run(L"(list (wcmatch \"Name\" \"N*\") (wcmatch \"Name\" \"n*\") (wcmatch \"ab\" \"a?\") (wcmatch \"ab\" \"a\"))"),
              L"(T nil T nil)");
    EXPECT_EQ(run(L"(list (wcmatch \"A1\" \"@#\") (wcmatch \"A-\" \"@.\") (wcmatch \"AA\" \"@.\"))"), L"(T T nil)");
    EXPECT_EQ(run(L"(list (wcmatch \"LINE\" \"ARC,LINE\") (wcmatch \"b\" \"[abc]\") (wcmatch \"d\" \"[a-c]\") "
                  L"(wcmatch \"d\" \"[~a-c]\"))"),
              L"(T T nil T)");
    EXPECT_EQ(run(L"(list (wcmatch \"abc\" \"~a*\") (wcmatch \"xbc\" \"~a*\") (wcmatch \"a*\" \"a`*\") (wcmatch \"ab\" \"a`*\"))"),
              L"(nil T T nil)");
    EXPECT_EQ(run(L"(wcmatch (strcat \"a\" (substr \"bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb\" 1) \"c\") "
                  L"\"*a*b*b*b*b*b*b*b*b*b*b*b*b*b*b*d\")"),
              L"nil");
}

TEST_F(InterpreterTest, ControlForms) {
    EXPECT_EQ(run(L"(list (if T 1 2) (if nil 1 2) (if nil 1))"), L"(1 2 nil)");
    EXPECT_EQ(run(L"(if)"), L"error: too few arguments");
    EXPECT_EQ(run(L"(if 1 2 3 4)"), L"error: too many arguments");
    EXPECT_EQ(run(L"(cond ((= 1 2) 'a) ((= 1 1) 'b 'c) (T 'd))"), L"C");
    EXPECT_EQ(run(L"(cond (nil 1) (7))"), L"7");
    EXPECT_EQ(run(L"(setq i 0 s 0) (while (< i 5) (setq s (+ s i) i (1+ i))) s"), L"10");
    EXPECT_EQ(run(L"(setq n 0) (repeat 4 (setq n (+ n 2)))"), L"8");
    EXPECT_EQ(run(L"(repeat \"x\" 1)"), L"error: bad argument type: fixnump: \"x\"");
    EXPECT_EQ(run(L"(setq e 'outer) (setq acc nil) (foreach e '(1 2 3) (setq acc (cons e acc))) (list acc e)"),
              L"((3 2 1) OUTER)");
    EXPECT_EQ(run(L"(list (and 1 2) (and 1 nil) (and) (or nil 2) (or nil nil) (or))"), L"(T nil T T nil nil)");
    EXPECT_EQ(run(L"(progn 1 2 3)"), L"3");
    EXPECT_EQ(run(L"(list (quote (a b)) (function car))"), L"((A B) CAR)");
    EXPECT_EQ(run(L"(setq a 1 b)"), L"error: too few arguments");
    EXPECT_EQ(run(L"(setq 1 2)"), L"error: bad argument type: symbolp 1");
}

TEST_F(InterpreterTest, DefunBindsDynamicallyAndRestores) {
    EXPECT_EQ(run(L"(defun sq (x) (* x x))"), L"SQ");
    EXPECT_EQ(run(L"(sq 7)"), L"49");
    EXPECT_EQ(run(L"(SQ 3)"), L"9");
    EXPECT_EQ(run(L"(sq)"), L"error: too few arguments");
    EXPECT_EQ(run(L"(sq 1 2)"), L"error: too many arguments");
    // Locals start as nil and, like parameters, are restored after the call.
    EXPECT_EQ(run(L"(setq x 'gx tmp 'gtmp)"
                  L"(defun f (x / tmp) (setq seen tmp) (setq tmp x) (g))"
                  L"(defun g () (list x tmp))"
                  L"(list (f 5) x tmp seen)"),
              L"((5 5) GX GTMP nil)");
    // Bindings are restored even when an error unwinds through the function.
    EXPECT_EQ(run(L"(defun bad (x / y) (setq y 1) (car x)) (setq x 'keep y 'keep2) (bad 5)"),
              L"error: bad argument type: consp 5");
    EXPECT_EQ(run(L"(list x y)"), L"(KEEP KEEP2)");
    EXPECT_EQ(run(L"(defun fact (n) (if (< n 2) 1 (* n (fact (1- n))))) (fact 10)"), L"3628800");
    EXPECT_EQ(run(L"(defun noargs () ) (noargs)"), L"nil");
    EXPECT_EQ(run(L"(defun 5 () 1)"), L"error: bad argument type: symbolp 5");
    EXPECT_EQ(run(L"(defun f2 (1) 1)"), L"error: bad argument type: symbolp 1");
}

TEST_F(InterpreterTest, FunctionsAreValuesInOneNamespace) {
    EXPECT_EQ(run(L"(setq MyVar 4) myvar"), L"4");
    EXPECT_EQ(run(L"t"), L"T");
    EXPECT_EQ(run(L"(setq twice '(lambda (x) (* 2 x))) (twice 21)"), L"42");
    EXPECT_EQ(run(L"(setq alias car) (alias '(7 8))"), L"7");
    EXPECT_EQ(run(L"(defun strlen (s) 'mine) (strlen \"abc\")"), L"MINE");  // a defun replaces a built-in
    EXPECT_EQ(run(L"(setq adder (lambda (a b) (+ a b))) (apply adder '(2 3))"), L"5");
    EXPECT_EQ(run(L"(mapcar (lambda (p q) (list p q)) '(1 2) '(a b))"), L"((1 A) (2 B))");
}

TEST_F(InterpreterTest, BindingsSurviveErrorsInsideIteration) {
    EXPECT_EQ(run(L"(setq item 'before) (foreach item '(1 x) (1+ item))"), L"error: bad argument type: numberp: X");
    EXPECT_EQ(run(L"item"), L"BEFORE");
    EXPECT_EQ(run(L"(setq x 'top) (mapcar '(lambda (x) (car x)) '((1) 2))"), L"error: bad argument type: consp 2");
    EXPECT_EQ(run(L"x"), L"TOP");
    EXPECT_EQ(run(L"(defun twice-bound (x x) x) (twice-bound 1 2)"), L"2");
    EXPECT_EQ(run(L"x"), L"TOP");
}

TEST_F(InterpreterTest, FunctionErrors) {
    EXPECT_EQ(run(L"(foo 1)"), L"error: no function definition: FOO");
    EXPECT_EQ(run(L"(setq v 3) (v)"), L"error: no function definition: V");
    EXPECT_EQ(run(L"(1 2)"), L"error: bad function: 1");
    EXPECT_EQ(run(L"((list 1) 2)"), L"error: bad function: (1)");
    EXPECT_EQ(run(L"(car)"), L"error: too few arguments");
    EXPECT_EQ(run(L"(car '(1) '(2))"), L"error: too many arguments");
    EXPECT_EQ(run(L"(eval '(+ 1 . 2))"), L"error: bad argument type: listp (1 . 2)");
    EXPECT_EQ(run(L"(apply '+ 5)"), L"error: bad argument type: listp 5");
    EXPECT_EQ(run(L"unbound-symbol"), L"nil");
    EXPECT_EQ(run(L"(setq a 1) (car \"x\") (setq a 2)"), L"error: bad argument type: consp \"x\"");
    EXPECT_EQ(run(L"a"), L"1");  // evaluation stopped at the first error
}

TEST_F(InterpreterTest, DeepRecursionFailsCleanly) {
    EXPECT_EQ(run(L"(defun down (n) (if (> n 0) (+ 1 (down (1- n))) 0)) (down 100)"), L"100");
    EXPECT_EQ(run(L"(down 1000000)"), L"error: internal stack limit reached (simulated)");
    EXPECT_EQ(run(L"(defun loop () (loop)) (loop)"), L"error: internal stack limit reached (simulated)");
    EXPECT_EQ(run(L"(down 5)"), L"5");  // the depth counter is unwound after the error
    // Deeply nested data built at run time.
    EXPECT_EQ(run(L"(setq d1 nil d2 nil) (repeat 30000 (setq d1 (list d1) d2 (list d2))) (equal d1 d2)"), L"T");
    EXPECT_EQ(run(L"(setq f 1) (repeat 30000 (setq f (list 'eval (list 'quote f)))) (eval f)"),
              L"error: internal stack limit reached (simulated)");
    EXPECT_EQ(run(L"(setq a '(+ (1 2))) (repeat 3 (setq a (list 'apply a))) (apply 'apply a)"), L"3");
    EXPECT_EQ(run(L"(setq a '(+ (1 2))) (repeat 30000 (setq a (list 'apply a))) (apply 'apply a)"),
              L"error: internal stack limit reached (simulated)");
    EXPECT_EQ(run(L"(setq big nil) (repeat 50000 (setq big (cons 1 big))) (length (reverse (append big big)))"),
              L"100000");
}

TEST_F(InterpreterTest, OutputFunctions) {
    EXPECT_EQ(run(L"(princ \"a\\nb\") (prin1 \"q\") (print 1) (terpri) (princ '(1 \"s\"))"), L"(1 \"s\")");
    EXPECT_EQ(output, L"a\nb\"q\"\n1 \n(1 s)");
    EXPECT_EQ(run(L"(princ)"), L"");
    EXPECT_EQ(run(L"(princ 1 2)"), L"error: bad argument type: filep 2");
}

TEST_F(InterpreterTest, HostApi) {
    lisp.defineExternal(L"host-add", [](const std::vector<ValuePtr>& args) {
        if (args.size() != 2) {
            throw LispError(L"too few arguments");
        }
        return makeInteger(args[0]->integer() + args[1]->integer());
    });
    EXPECT_TRUE(lisp.isFunction(L"HOST-ADD"));
    EXPECT_TRUE(lisp.isFunction(L"setq"));
    EXPECT_TRUE(lisp.isFunction(L"car"));
    EXPECT_FALSE(lisp.isFunction(L"nothing"));
    EXPECT_EQ(run(L"(host-add (+ 1 1) 3)"), L"5");
    EXPECT_EQ(run(L"(host-add 1)"), L"error: too few arguments");

    run(L"(defun c:hello (name) (strcat \"hi \" name))");
    EXPECT_TRUE(lisp.isFunction(L"c:hello"));
    EXPECT_EQ(print(lisp.call(L"C:Hello", {makeString(L"bob")}), true), L"\"hi bob\"");
    EXPECT_EQ(print(lisp.call(L"list", {makeInteger(1), nullptr}), true), L"(1 nil)");
    try {
        lisp.call(L"missing", {});
        FAIL() << "expected an error";
    } catch (const LispError& e) {
        EXPECT_EQ(e.message(), L"no function definition: MISSING");
    }

    lisp.undefine(L"host-add");
    EXPECT_FALSE(lisp.isFunction(L"host-add"));
    EXPECT_EQ(run(L"(host-add 1 2)"), L"error: no function definition: HOST-ADD");

    lisp.setSymbolValue(L"hostvar", makeInteger(9));
    EXPECT_EQ(run(L"hostVar"), L"9");
    EXPECT_EQ(print(lisp.symbolValue(L"HOSTVAR"), true), L"9");
}

}  // namespace
}  // namespace vexa::sim::lisp
