#pragma once
// Small dense matrices of the fits, row-major in a vector.

#include <vector>

// Inverts the n x n matrix `a` in place (Gauss-Jordan with partial pivoting).
// False when a pivot vanishes: the matrix is then left undefined.
bool InverserMatrice(std::vector<double>& a, int n);

// x^T A y for the n x n matrix A.
double FormeBilineaire(const std::vector<double>& x, const std::vector<double>& A, const std::vector<double>& y, int n);
