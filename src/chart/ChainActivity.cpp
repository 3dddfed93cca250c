// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/ChainActivity.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace nuklorama {
namespace {

// A lower-triangular matrix, row by row.
class Triangle {
public:
    explicit Triangle(std::size_t n) : n_(n), cells_(n * n, 0.0) {}
    double& operator()(std::size_t i, std::size_t j) { return cells_[i * n_ + j]; }
    double operator()(std::size_t i, std::size_t j) const { return cells_[i * n_ + j]; }
    std::size_t Size() const { return n_; }

    Triangle Times(const Triangle& other) const {
        Triangle product(n_);
        for (std::size_t i = 0; i < n_; ++i)
            for (std::size_t k = 0; k <= i; ++k) {
                const double a = (*this)(i, k);
                if (a == 0) continue;
                for (std::size_t j = 0; j <= k; ++j)
                    product(i, j) += a * other(k, j);
            }
        return product;
    }

private:
    std::size_t n_;
    std::vector<double> cells_;
};

// exp(M) by its Taylor series, for an M whose entries are at most about 1/4: the terms shrink
// fast, and each entry is summed until what it adds is below a rounding error.
Triangle TaylorExponential(const Triangle& m) {
    const std::size_t n = m.Size();
    Triangle sum(n), term(n);
    for (std::size_t i = 0; i < n; ++i)
        sum(i, i) = term(i, i) = 1;
    // Entries first reached over a path of k branches appear at the k-th term.
    for (std::size_t k = 1; k <= n + 64; ++k) {
        term = term.Times(m);
        bool adds = false;
        for (std::size_t i = 0; i < n; ++i)
            for (std::size_t j = 0; j <= i; ++j) {
                const double t = term(i, j) / double(k);
                term(i, j) = t;
                const double before = sum(i, j);
                sum(i, j) += t;
                adds |= sum(i, j) != before;
            }
        if (!adds) break;
    }
    return sum;
}

}  // namespace

std::vector<MemberActivity> ChainActivities(const DecayChain& chain, double seconds) {
    const std::size_t count = chain.members.size();
    std::vector<MemberActivity> result(count);
    if (count > kMostActiveMembers) return result;
    // The members by rank, parents first: those whose every way in is known.
    std::vector<int> byRank(count);
    for (std::size_t i = 0; i < count; ++i)
        byRank[i] = int(i);
    std::sort(byRank.begin(), byRank.end(), [&chain](int a, int b) {
        return chain.members[std::size_t(a)].rank < chain.members[std::size_t(b)].rank;
    });
    for (const int i : byRank) {
        const ChainMember& m = chain.members[std::size_t(i)];
        MemberActivity& r = result[std::size_t(i)];
        if (m.record == 0 || m.lifetime == Lifetime::Unknown) r.after = i;
    }
    for (const int i : byRank)
        for (const ChainBranch& b : chain.branches)
            if (b.kind == ChainBranch::Followed && b.from == i &&
                result[std::size_t(b.to)].after < 0)
                result[std::size_t(b.to)].after = result[std::size_t(i)].after;

    std::vector<std::size_t> place(count, 0);
    std::vector<int> known;
    for (const int i : byRank)
        if (result[std::size_t(i)].after < 0) {
            place[std::size_t(i)] = known.size();
            known.push_back(i);
        }
    if (known.empty() || known.front() != chain.start ||
        chain.members[std::size_t(chain.start)].lifetime != Lifetime::Known)
        return result;

    const std::size_t n = known.size();
    std::vector<double> lambda(n, 0.0);
    for (std::size_t i = 0; i < n; ++i) {
        const ChainMember& m = chain.members[std::size_t(known[i])];
        if (m.lifetime == Lifetime::Known) lambda[i] = std::numbers::ln2 / m.halfLife;
    }
    const double fastest = *std::max_element(lambda.begin(), lambda.end());
    // A step short enough that no member decays by more than a quarter of its e-folding.
    // Read by their exponents, which no time can make overflow.
    int fastestExponent = 0, secondsExponent = 0;
    std::frexp(fastest, &fastestExponent);
    std::frexp(seconds, &secondsExponent);
    const int squarings = seconds > 0 ? std::max(fastestExponent + secondsExponent + 2, 0) : 0;
    const double step = std::ldexp(seconds, -squarings);

    Triangle rates(n);
    for (std::size_t i = 0; i < n; ++i)
        rates(i, i) = -lambda[i] * step;
    for (const ChainBranch& b : chain.branches)
        if (b.kind == ChainBranch::Followed && result[std::size_t(b.to)].after < 0) {
            const std::size_t from = place[std::size_t(b.from)], to = place[std::size_t(b.to)];
            rates(to, from) += b.fraction * lambda[from] * step;
        }
    Triangle e = TaylorExponential(rates);
    // The diagonal is known exactly at every step; the rest is squared up from it.
    double span = step;
    for (int s = 0;; ++s) {
        for (std::size_t i = 0; i < n; ++i)
            e(i, i) = std::exp(-lambda[i] * span);
        if (s == squarings) break;
        e = e.Times(e);
        span *= 2;
    }
    for (std::size_t i = 0; i < n; ++i) {
        MemberActivity& r = result[std::size_t(known[i])];
        r.known = true;
        r.atoms = e(i, 0);
        r.activity = lambda[i] * r.atoms / lambda[0];
    }
    return result;
}

}  // namespace nuklorama
