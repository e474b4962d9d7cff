#pragma once
// The program's own exception. It carries nothing: it is raised only to leave
// a provisional recomputation and is caught within the same operation.

#include <exception>

class EException : public std::exception {};
