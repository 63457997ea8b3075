#include "store/elementary.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <limits>
#include <utility>

// How the functions work. Every argument is brought to a small range where
// a table of exact values and a short series do the rest. The common path:
//   - sin, cos, tan: x = n pi/256 + y with |y| <= pi/512 (three-part pi/256
//     for |x| < 2^10; beyond, x = k pi/2 + r first), and sin(n pi/256 + y)
//     = S cos y + C sin y with S, C = sin, cos of n pi/256 from a table of
//     the first quarter turn; cos x is sin(x + pi/2), tan x = sin x / cos x;
//   - atan: z = |x| or 1/|x| in [0, 1], atan z from the Taylor series of
//     atan at j/64 nearest z, and pi/2 - atan z for |x| > 1;
//   - acos: for |x| <= 1/2 the Taylor series of asin at i/128 nearest |x|;
//     for 2^-4 < 1 - |x| < 1/2 the series of acos(1 - z) at the midpoint of
//     one of 64 rows in each binade of z = 1 - |x|; nearer to 1, through
//     asin of sqrt((1 - |x|)/2) and the series at i/128 again.
// It works in plain doubles: the table values whose products lead the sum
// are kept as a short part and a rest, so that one exact product and one
// exact sum give hi, and everything else is a small lo. When the error
// bound (about 2^-64 to 2^-62 of the result) cannot change the rounding of hi + lo,
// the accurate path redoes the work in double-double arithmetic (about
// 2^-100): x = k pi/2 + r, r = i/128 + t and the table of sin and cos of
// i/128; atan z = atan(j/64) + atan(w), w = (z - j/64) / (1 + z j/64); acos
// through atan of sqrt(1 - x^2)/|x| or its inverse. The common path avoids
// branches whose outcome follows the argument at random (quadrants, signs,
// x above or below 1): it picks table rows and factors instead. acos is the
// exception: it branches on the three ranges of |x|, since a square root and
// the correction of its rounding cost far more than a branch, and only the
// range nearest to 1 needs them. The tables come from
// tools/elementary_tables.cpp.

namespace kwarel::elementary {
namespace {

using detail::bitsOf;
using detail::fromBits;
using detail::powerOfTwo;
using detail::squareRoot;

struct DoubleDouble {
    double hi;
    double lo;
};

// hi has at most 26 significant bits, so that its product with another
// 26-bit number is exact; hi + lo is the value to about 2^-79.
struct ShortPair {
    double hi;
    double lo;
};

struct SinCosPair {
    DoubleDouble v[2];  // sin, cos
};

struct AsinRow {
    DoubleDouble c0;
    DoubleDouble c1;
    double c[9];  // c2 .. c10
};

// A row of the acos series: result = base[0 or 1] + f (c1 d + c2 d^2 + ...
// + c8 d^8) with f = +-1 or +-2. c1 is kept as a 24-bit slope, whose product
// with the 28-bit high part of f d is exact, and q[0] = c1 - slope.
struct AcosRow {
    DoubleDouble base[2];
    double slope;
    double q[8];  // c1 - slope, c2 .. c8
};

constexpr double kHalfPi1 = 0x1.921fb54p+0;
constexpr double kHalfPi2 = 0x1.10b461p-30;
constexpr double kHalfPi3 = 0x1.a62633p-58;
constexpr double kHalfPi4 = 0x1.45c06e0e68948p-86;
// pi/256 in three parts: the first two have 34 significant bits.
constexpr double kPiOver256_1 = 0x1.921fb5448p-7;
constexpr double kPiOver256_2 = -0x1.e973dcb38p-42;
constexpr double kPiOver256_3 = -0x1.9cceba3f91f19p-77;
constexpr double k256OverPi = 0x1.45f306dc9c883p+6;
constexpr DoubleDouble kHalfPiPair = {0x1.921fb54442d18p+0, 0x1.1a62633145c07p-54};
constexpr DoubleDouble kPiPair = {0x1.921fb54442d18p+1, 0x1.1a62633145c07p-53};

constexpr DoubleDouble kInverse3 = {0x1.5555555555555p-2, 0x1.5555555555555p-56};
constexpr DoubleDouble kInverse5 = {0x1.999999999999ap-3, -0x1.999999999999ap-57};
constexpr DoubleDouble kInverse6 = {0x1.5555555555555p-3, 0x1.5555555555555p-57};
constexpr DoubleDouble kInverse7 = {0x1.2492492492492p-3, 0x1.2492492492492p-57};
constexpr DoubleDouble kInverse24 = {0x1.5555555555555p-5, 0x1.5555555555555p-59};
constexpr DoubleDouble kInverse120 = {0x1.1111111111111p-7, 0x1.1111111111111p-63};

constexpr double kTwoOverPiChunks[] = {
    10680707, 7228996, 1387004, 2578385, 16069853, 12639074, 9804092, 4427841,
    16666979, 11263675, 12935607, 2387514, 4345298, 14681673, 3074569, 13734428,
    16653803, 1880361, 10960616, 8533493, 3062596, 8710556, 7349940, 6258241,
    3772886, 3769171, 3798172, 8675211, 12450088, 3874808, 9961438, 366607,
    15675153, 9132554, 7151469, 3571407, 2607881, 12013382, 4155038, 6285869,
    7677882, 13102053, 15825725, 473591, 9065106, 15363067, 6271263, 9264392,
    5636912, 4652155};

// sin(j pi/256), j = 0..128, hi with 26 bits
constexpr ShortPair kSinPi256[] = {
    {0x0p+0, 0x0p+0},
    {0x1.921d2p-7, -0x1.909c3dccf0e28p-34},
    {0x1.92155f8p-6, -0x1.7266081b1d631p-36},
    {0x1.2d86578p-5, -0x1.35d51974bc84dp-32},
    {0x1.91f65fp-5, 0x1.0dd813e6ed42fp-33},
    {0x1.f656e78p-5, 0x1.f820dfed1e142p-33},
    {0x1.2d5209p-4, 0x1.670cfae65f775p-31},
    {0x1.5f6d008p-4, 0x1.4d520c60bfdd3p-31},
    {0x1.917a6cp-4, -0x1.eb25ea0f138c7p-31},
    {0x1.c3785c8p-4, -0x1.84f4ac29e73bep-34},
    {0x1.f564e58p-4, -0x1.568cf1cbb1f72p-32},
    {0x1.139f0dp-3, -0x1.250a89548d0d3p-31},
    {0x1.2c8107p-3, -0x1.719ec5dd9ffebp-31},
    {0x1.45576bp-3, 0x1.293e59daf4bb8p-31},
    {0x1.5e21448p-3, -0x1.ba601cd59c011p-30},
    {0x1.76dd9ep-3, -0x1.af40ceb8a8445p-31},
    {0x1.8f8b84p-3, -0x1.cb2cfaa4da337p-30},
    {0x1.a82a028p-3, -0x1.27fdd7b0f20cp-30},
    {0x1.c0b8268p-3, 0x1.3f27b17e50ebcp-30},
    {0x1.d934fe8p-3, -0x1.5d5e775148dbbp-30},
    {0x1.f19f978p-3, 0x1.90af8d57a4222p-30},
    {0x1.04fb81p-2, -0x1.c8025200a0967p-30},
    {0x1.111d26p-2, 0x1.58fb3bb049841p-29},
    {0x1.1d3444p-2, -0x1.6649845c83507p-31},
    {0x1.294063p-2, -0x1.2a60fa574a369p-30},
    {0x1.35410cp-2, 0x1.70c0a8d869ffap-29},
    {0x1.4135c98p-2, -0x1.f44cff5e6d077p-29},
    {0x1.4d1e24p-2, 0x1.3c73b51241722p-29},
    {0x1.58f9a78p-2, -0x1.2a701180f7eep-29},
    {0x1.64c7dep-2, -0x1.606c1cf7796a6p-29},
    {0x1.708853p-2, 0x1.f48b3d5da731p-31},
    {0x1.7c3a93p-2, 0x1.1dcce7019a3f2p-30},
    {0x1.87de2a8p-2, -0x1.51569d2e59dbap-30},
    {0x1.9372a6p-2, 0x1.de49eb968431ap-29},
    {0x1.9ef794p-2, 0x1.d476c516da813p-29},
    {0x1.aa6c828p-2, 0x1.b69fe4c541df2p-29},
    {0x1.b5d1008p-2, 0x1.e15cc02b66c59p-30},
    {0x1.c1249d8p-2, 0x1.1ee69fb15512cp-38},
    {0x1.cc66e98p-2, 0x1.31c45e16850e6p-30},
    {0x1.d797758p-2, 0x1.c371c4aaa1d91p-29},
    {0x1.e2b5d38p-2, 0x1.bd8ec78362475p-36},
    {0x1.edc195p-2, 0x1.77bc6ac45e108p-29},
    {0x1.f8ba4d8p-2, 0x1.fc4d5cfda27cp-29},
    {0x1.01cfc88p-1, -0x1.6782924d28d7ap-30},
    {0x1.0738798p-1, 0x1.22ffed9697fafp-29},
    {0x1.0c9705p-1, -0x1.513b38b1a7afcp-28},
    {0x1.11eb358p-1, -0x1.f25a6ebde476dp-28},
    {0x1.1734d6p-1, 0x1.ef6da450221a6p-28},
    {0x1.1c73b38p-1, 0x1.ae68c86c9774ap-29},
    {0x1.21a7998p-1, 0x1.33eb58b1613a2p-29},
    {0x1.26d055p-1, -0x1.917690abb4e88p-28},
    {0x1.2bedb28p-1, -0x1.02860b0452607p-28},
    {0x1.30ff8p-1, -0x1.8f47e58f7e631p-28},
    {0x1.36058bp-1, 0x1.0659f2b80d317p-29},
    {0x1.3affa28p-1, 0x1.2050b93c7c4bcp-29},
    {0x1.3fed95p-1, 0x1.a2ab6a26d22ccp-28},
    {0x1.44cf328p-1, -0x1.7b7114f3fc4afp-28},
    {0x1.49a4498p-1, 0x1.cd849c5b023d2p-28},
    {0x1.4e6cab8p-1, 0x1.f1f2f489e149fp-28},
    {0x1.532829p-1, 0x1.51aacae5ed147p-28},
    {0x1.57d6938p-1, -0x1.b989b02eae413p-28},
    {0x1.5c77bcp-1, -0x1.9afe73be58559p-29},
    {0x1.610b758p-1, -0x1.7169909251b35p-28},
    {0x1.6591928p-1, -0x1.07c3e14785361p-28},
    {0x1.6a09e68p-1, -0x1.80c4336f74d05p-29},
    {0x1.6e74458p-1, -0x1.8aaba8bb78079p-28},
    {0x1.72d0838p-1, -0x1.00069bcac43c4p-33},
    {0x1.771e76p-1, -0x1.f91b3da8c0c5dp-30},
    {0x1.7b5df2p-1, 0x1.3557d76f0ac85p-28},
    {0x1.7f8ecep-1, 0x1.ab8bb84c6e4e6p-28},
    {0x1.83b0e08p-1, 0x1.ffcbb6e90bdfp-28},
    {0x1.87c401p-1, -0x1.1745052dabc0cp-31},
    {0x1.8bc8068p-1, 0x1.8a8ba05a743dap-28},
    {0x1.8fbccap-1, 0x1.f7ca0674902b3p-28},
    {0x1.93a2248p-1, 0x1.9263fb4f5066ap-29},
    {0x1.9777ef8p-1, -0x1.9c145f22a8f34p-28},
    {0x1.9b3e048p-1, -0x1.8f17e98771434p-34},
    {0x1.9ef43fp-1, -0x1.aca0d793880d2p-30},
    {0x1.a29a7ap-1, 0x1.189e0776ba27fp-31},
    {0x1.a630918p-1, 0x1.817d70e16eeebp-28},
    {0x1.a9b6628p-1, 0x1.0ea1a3033ec62p-29},
    {0x1.ad2bcap-1, -0x1.de2aef51fef82p-29},
    {0x1.b090a58p-1, 0x1.501ff9b64974p-33},
    {0x1.b3e4d4p-1, -0x1.0aa8ee7adae3p-29},
    {0x1.b728348p-1, -0x1.7348e1378d3e6p-28},
    {0x1.ba5aa68p-1, -0x1.94de5b40ad8e4p-30},
    {0x1.bd7c0bp-1, -0x1.c8356b304b4e6p-28},
    {0x1.c08c428p-1, -0x1.8daab6f275401p-29},
    {0x1.c38b2fp-1, 0x1.80bdb0d23e9d1p-29},
    {0x1.c678b38p-1, -0x1.bbc632713c9aap-28},
    {0x1.c954b2p-1, 0x1.3411f4f68244fp-29},
    {0x1.cc1f0fp-1, 0x1.fe7e2e1e57614p-28},
    {0x1.ced7af8p-1, -0x1.e19c46879edafp-28},
    {0x1.d17e778p-1, -0x1.e0e5120440769p-28},
    {0x1.d4134dp-1, 0x1.4dc939ac42b5bp-29},
    {0x1.d69617p-1, 0x1.e4f34561739e4p-28},
    {0x1.d906bdp-1, -0x1.9ae573aea067cp-30},
    {0x1.db6526p-1, 0x1.1c504d6521181p-28},
    {0x1.ddb13b8p-1, -0x1.333dc39f0f20ep-29},
    {0x1.dfeae6p-1, 0x1.16df1555d62afp-28},
    {0x1.e212108p-1, -0x1.84bc8da0298eep-28},
    {0x1.e426a48p-1, 0x1.95e0bf350e711p-28},
    {0x1.e6288fp-1, -0x1.db8f7708b5ab8p-28},
    {0x1.e817ba8p-1, 0x1.a6688662f5019p-28},
    {0x1.e9f4158p-1, -0x1.39d225a27d387p-29},
    {0x1.ebbd8c8p-1, 0x1.be16e871b2318p-30},
    {0x1.ed740e8p-1, -0x1.2f6d3985f4e1cp-30},
    {0x1.ef178ap-1, 0x1.f239e12c6214dp-28},
    {0x1.f0a7ef8p-1, 0x1.c9186b952c7aep-28},
    {0x1.f2252f8p-1, -0x1.138a4c9065c0ep-30},
    {0x1.f38f3bp-1, -0x1.cd8d3b9d7bafbp-28},
    {0x1.f4e6038p-1, 0x1.8597966711fe2p-28},
    {0x1.f6297dp-1, -0x1.1469faa77a357p-34},
    {0x1.f7599ap-1, 0x1.d0903bb09e63bp-28},
    {0x1.f8764f8p-1, 0x1.38a5d49ab2567p-28},
    {0x1.f97f928p-1, -0x1.9b7b32bc55c1ep-28},
    {0x1.fa7558p-1, -0x1.eeb5d2bd05465p-30},
    {0x1.fb5797p-1, 0x1.95d741237f58ep-29},
    {0x1.fc2647p-1, 0x1.c33fa68f64334p-30},
    {0x1.fce16p-1, -0x1.492cc295dd6f8p-28},
    {0x1.fd88dap-1, 0x1.e89292cf04139p-28},
    {0x1.fe1cbp-1, -0x1.a1527b72ee0e7p-28},
    {0x1.fe9cdbp-1, -0x1.7f3be2f56f099p-28},
    {0x1.ff09568p-1, -0x1.38c7295fcae64p-28},
    {0x1.ff621ep-1, 0x1.bcb6bef1d421fp-28},
    {0x1.ffa72fp-1, -0x1.08a362d33736dp-37},
    {0x1.ffd886p-1, 0x1.099a19765595dp-30},
    {0x1.fff6218p-1, -0x1.646d24a88970ep-29},
    {0x1p+0, 0x0p+0},
};

// {{sin hi, sin lo}, {cos hi, cos lo}} of i/128
constexpr SinCosPair kSinCos[] = {
    {{{0x0p+0, 0x0p+0}, {0x1p+0, 0x0p+0}}},
    {{{0x1.fffeaaaaeeeefp-8, -0x1.e45e2ec67b77cp-62}, {0x1.fffc000155552p-1, 0x1.f4a01a0196daep-55}}},
    {{{0x1.fffaaaaeeeed5p-7, -0x1.2ab639a9f0776p-63}, {0x1.fff000155549fp-1, 0x1.28a28a03a5ef3p-55}}},
    {{{0x1.7ff7001033255p-6, 0x1.efe2b51527336p-64}, {0x1.ffdc006bff7e6p-1, 0x1.ae6dae86977bdp-55}}},
    {{{0x1.ffeaaaeeee86fp-6, -0x1.cd406fb224ae2p-60}, {0x1.ffc00155527d3p-1, -0x1.3b54492d89b5bp-55}}},
    {{{0x1.3feb2b12d45d5p-5, 0x1.4ec54203d1c11p-60}, {0x1.ff9c03414a7bap-1, 0x1.991f4be6c59bfp-57}}},
    {{{0x1.7fdc01032fba9p-5, -0x1.599bdf46e997ap-59}, {0x1.ff7006bfdf99fp-1, -0x1.8b3b560648d5fp-56}}},
    {{{0x1.bfc6d78586dacp-5, 0x1.8e4fd03dbf236p-62}, {0x1.ff3c0c8103a31p-1, 0x1.4856dbddc0e66p-56}}},
    {{{0x1.ffaaaeeed4edbp-5, -0x1.2d16d32684b69p-59}, {0x1.ff0015549f4d3p-1, 0x1.328387b99426fp-55}}},
    {{{0x1.1fc343d808befp-4, -0x1.f3d32e6f3be4fp-58}, {0x1.febc222a8ef9fp-1, 0x1.7934934f54c77p-58}}},
    {{{0x1.3facb12d1755bp-4, -0x1.921915299468bp-58}, {0x1.fe7034129ef6fp-1, -0x1.cbf4337c96f97p-57}}},
    {{{0x1.5f911fd10b737p-4, -0x1.0184f02be9102p-58}, {0x1.fe1c4c3c873ebp-1, -0x1.5a9c9057c4a02p-60}}},
    {{{0x1.7f701032550e4p-4, 0x1.afc2d1800501ap-60}, {0x1.fdc06bf7e6b9bp-1, 0x1.31902b535f8dbp-55}}},
    {{{0x1.9f4902d55d1f9p-4, 0x1.2696d7eac1dc1p-58}, {0x1.fd5c94b43ep-1, -0x1.2e768cb4f92f9p-57}}},
    {{{0x1.bf1b78568391dp-4, 0x1.e91841dea4cc8p-58}, {0x1.fcf0c800e99b1p-1, 0x1.ea3d786d186acp-57}}},
    {{{0x1.dee6f16c1cce6p-4, -0x1.50f8e2fb71673p-59}, {0x1.fc7d078d1bc88p-1, 0x1.075d2447db685p-55}}},
    {{{0x1.feaaeee86ee36p-4, -0x1.afcb2bcc6f03bp-59}, {0x1.fc015527d5bd3p-1, 0x1.b68f35094efb8p-55}}},
    {{{0x1.0f3378ddd71d1p-3, 0x1.d8468724f0f9ep-57}, {0x1.fb7db2bfe0695p-1, 0x1.21dadf4f65ab1p-55}}},
    {{{0x1.1f0d3d7afceafp-3, -0x1.6ef95099769a5p-57}, {0x1.faf22263c4bd3p-1, -0x1.52ace133a2769p-58}}},
    {{{0x1.2ee285e4ab88fp-3, -0x1.e4d0f05dee058p-57}, {0x1.fa5ea641c36f2p-1, 0x1.04da6ed17cc7cp-59}}},
    {{{0x1.3eb312c5d66cbp-3, 0x1.47d666b66cb91p-57}, {0x1.f9c340a7cc428p-1, 0x1.c5b6b063b7462p-55}}},
    {{{0x1.4e7ea4dc5f27bp-3, 0x1.949db2ac072fcp-58}, {0x1.f91ff40374d01p-1, -0x1.7d03f4d3a9e4cp-57}}},
    {{{0x1.5e44fcfa126f3p-3, -0x1.6f443063f89b6p-57}, {0x1.f874c2e1eecf6p-1, -0x1.c6514e1332b16p-55}}},
    {{{0x1.6e05dc05a4d4cp-3, -0x1.32c5c8b81c919p-66}, {0x1.f7c1afeffde24p-1, -0x1.8f55bc47540b1p-56}}},
    {{{0x1.7dc102fbaf2b5p-3, 0x1.5ab50e23c97c3p-59}, {0x1.f706bdf9ece1cp-1, -0x1.698c80c36dcb4p-55}}},
    {{{0x1.8d7632efaa944p-3, -0x1.20fa262cbb953p-57}, {0x1.f643efeb82acdp-1, 0x1.6b00ac1fe28acp-56}}},
    {{{0x1.9d252d0cec312p-3, 0x1.9c43d80b1137dp-58}, {0x1.f57948cff6797p-1, 0x1.e3a0d3e03b1d4p-57}}},
    {{{0x1.accdb297a0765p-3, -0x1.9883b57d6cdeap-58}, {0x1.f4a6cbd1e3a79p-1, 0x1.13df0edaebb57p-55}}},
    {{{0x1.bc6f84edc6199p-3, 0x1.9c1a56a7b0cabp-57}, {0x1.f3cc7c3b3d16ep-1, -0x1.21a3ad28a3494p-57}}},
    {{{0x1.cc0a6588289a3p-3, -0x1.868d09bc87c6bp-57}, {0x1.f2ea5d753ffedp-1, 0x1.cc4215f56d583p-55}}},
    {{{0x1.db9e15fb5a5dp-3, -0x1.32e20d6cc6fc2p-57}, {0x1.f20073086649fp-1, 0x1.b940416c1984bp-56}}},
    {{{0x1.eb2a57f8ae5a3p-3, -0x1.0be06af572cebp-57}, {0x1.f10ec09c5873bp-1, 0x1.d9072762c1283p-55}}},
    {{{0x1.faaeed4f31577p-3, -0x1.15d88508e32b8p-57}, {0x1.f01549f7deea1p-1, 0x1.d3c1e99e5cafdp-55}}},
    {{{0x1.0515cbf65155cp-2, -0x1.9b8c29dfd8ec7p-56}, {0x1.ef141300d2f26p-1, -0x1.2aa1b08ded372p-55}}},
    {{{0x1.0cd00cef36436p-2, -0x1.9fb0a0c93e2b4p-56}, {0x1.ee0b1fbc0f11cp-1, -0x1.bfd2380bbc3b1p-59}}},
    {{{0x1.14861aa94ddebp-2, -0x1.be881b5b615a4p-57}, {0x1.ecfa744d5efa1p-1, -0x1.56d0a4af541dp-58}}},
    {{{0x1.1c37d64c6b876p-2, 0x1.46076fe0dcff4p-56}, {0x1.ebe214f76efa8p-1, -0x1.02f9f12ba543ep-55}}},
    {{{0x1.23e52111aaf36p-2, -0x1.4f080334eff18p-56}, {0x1.eac2061bbaf4fp-1, 0x1.2c1d53e94658dp-57}}},
    {{{0x1.2b8ddc43eb49fp-2, 0x1.1553899f2d807p-57}, {0x1.e99a4c3a7cd83p-1, -0x1.2264b1bc53ce8p-55}}},
    {{{0x1.3331e94049f87p-2, 0x1.e0cb6b40c302cp-56}, {0x1.e86aebf29a9edp-1, 0x1.9397afdbb58a7p-55}}},
    {{{0x1.3ad129769d3d8p-2, 0x1.03d550487839ap-63}, {0x1.e733ea0193d4p-1, -0x1.6428b3546ce13p-55}}},
    {{{0x1.426b7e69ee697p-2, -0x1.f09c75705c59fp-56}, {0x1.e5f54b436e9dp-1, 0x1.7eb0fd02fc8bcp-55}}},
    {{{0x1.4a00c9b0f3d2p-2, 0x1.823ba6bb08eadp-56}, {0x1.e4af14b2a449cp-1, -0x1.68ca02e8a6833p-55}}},
    {{{0x1.5190ecf68a77ap-2, 0x1.b357155eef0f3p-56}, {0x1.e3614b680d6a5p-1, -0x1.27793aa015237p-56}}},
    {{{0x1.591bc9fa2f597p-2, 0x1.7c74bac3fe0cbp-57}, {0x1.e20bf49acd6c1p-1, -0x1.660aec7ef636bp-58}}},
    {{{0x1.60a1429078775p-2, 0x1.b1fd80ba89133p-58}, {0x1.e0af15a03dbcep-1, 0x1.fe8e702771ae6p-58}}},
    {{{0x1.682138a38d7f7p-2, -0x1.d889202444aadp-56}, {0x1.df4ab3ebd875ep-1, -0x1.e2d8a7e6736c4p-55}}},
    {{{0x1.6f9b8e33a0255p-2, 0x1.42bc14ee9da0dp-56}, {0x1.ddded50f228d6p-1, -0x1.e80c8d42ba2bfp-57}}},
    {{{0x1.7710255764214p-2, -0x1.6ead7314bb6cep-57}, {0x1.dc6b7eb995912p-1, 0x1.4b364776dcd35p-58}}},
    {{{0x1.7e7ee03c86d4ep-2, -0x1.b63bcdabf5af2p-56}, {0x1.daf0b6b888e83p-1, 0x1.a249e2b5e5ceap-55}}},
    {{{0x1.85e7a12826949p-2, 0x1.8a40e9b5facep-56}, {0x1.d96e82f71a9dcp-1, 0x1.ff61bd5d2039dp-55}}},
    {{{0x1.8d4a4a774992fp-2, 0x1.44a02ea766326p-56}, {0x1.d7e4e97e17b4ap-1, -0x1.3b770352bed94p-57}}},
    {{{0x1.94a6be9f546c5p-2, -0x1.69ce13e683f58p-56}, {0x1.d653f073e404p-1, -0x1.76236434bec37p-55}}},
    {{{0x1.9bfce02e8051p-2, 0x1.09e39a320b0a4p-56}, {0x1.d4bb9e1c619ep-1, 0x1.f34bb77858f61p-55}}},
    {{{0x1.a34c91cc50ccap-2, -0x1.a310e3b50cecdp-58}, {0x1.d31bf8d8d7c06p-1, 0x1.e60dd3089cbddp-56}}},
    {{{0x1.aa95b63a09277p-2, -0x1.6293eb13c0381p-57}, {0x1.d1750727d94fp-1, 0x1.0d52b1ec1a48ep-55}}},
    {{{0x1.b1d8305321617p-2, -0x1.ae242cb99f519p-56}, {0x1.cfc6cfa52ad9fp-1, 0x1.8b5b5508f2a0dp-55}}},
    {{{0x1.b913e30dbac43p-2, -0x1.e38ad2f6c3ff1p-56}, {0x1.ce115909a82e5p-1, 0x1.1f139bb31109ap-55}}},
    {{{0x1.c048b17b140a3p-2, 0x1.19fe6757e9fa7p-57}, {0x1.cc54aa2b2972ep-1, 0x1.4ee162ba83a98p-57}}},
    {{{0x1.c7767ec7fd19ep-2, -0x1.eb14d1a3d5826p-58}, {0x1.ca90c9fc67d0bp-1, -0x1.46a81485e3462p-57}}},
    {{{0x1.ce9d2e3d4a51fp-2, -0x1.2fc8a12dae298p-57}, {0x1.c8c5bf8ce1a84p-1, 0x1.ab3d1a1590123p-56}}},
    {{{0x1.d5bca34047661p-2, 0x1.28a44a75fc29cp-56}, {0x1.c6f39208be53bp-1, -0x1.741dbfbaadb42p-55}}},
    {{{0x1.dcd4c15329c9ap-2, 0x1.0d4c6e171fd9ap-56}, {0x1.c51a48b8b175ep-1, -0x1.1bbb43b9aa88p-57}}},
    {{{0x1.e3e56c1582a69p-2, -0x1.0a4821099f88fp-58}, {0x1.c339eb01ddd81p-1, -0x1.caaf5ee82c5cp-55}}},
    {{{0x1.eaee8744b05fp-2, -0x1.789b43c9b027dp-58}, {0x1.c1528065b7d5p-1, -0x1.892111312e828p-55}}},
    {{{0x1.f1eff6bc4f97bp-2, 0x1.17212f8a7525cp-56}, {0x1.bf641081e7536p-1, 0x1.b7bd71628a9a1p-55}}},
    {{{0x1.f8e99e76abc97p-2, 0x1.9d950af2d00a3p-58}, {0x1.bd6ea310294f5p-1, 0x1.31bbcc88c109dp-56}}},
    {{{0x1.ffdb628d2f57ap-2, 0x1.f4a992e905b6ap-57}, {0x1.bb723fe630f32p-1, 0x1.72bd2452d0a39p-56}}},
    {{{0x1.0362939c69955p-1, -0x1.2d8cd78397b01p-55}, {0x1.b96eeef58840ep-1, 0x1.45a3cc78fadep-58}}},
    {{{0x1.06d3686946e5bp-1, 0x1.3f5ae4538ff1bp-55}, {0x1.b764b84b704c2p-1, -0x1.f5848c21b389bp-55}}},
    {{{0x1.0a4021e9e1001p-1, -0x1.6f643a13914f6p-55}, {0x1.b553a410c104ep-1, 0x1.8ff7947027a15p-58}}},
    {{{0x1.0da8b26b5672ep-1, -0x1.a58def0bee909p-55}, {0x1.b33bba89c8948p-1, 0x1.ea6a51d1f6ca9p-55}}},
    {{{0x1.110d0c4b69c3bp-1, 0x1.d918998809981p-55}, {0x1.b11d04162a4c6p-1, 0x1.1dd561efbc0c2p-56}}},
    {{{0x1.146d21f8b7f82p-1, 0x1.bf9535e2739a8p-56}, {0x1.aef78930bd275p-1, -0x1.f836279746f94p-56}}},
    {{{0x1.17c8e5f2eedbp-1, 0x1.35e57102e2488p-57}, {0x1.accb526f69de5p-1, 0x1.8fb6a8dd6b6ccp-55}}},
    {{{0x1.1b204acb02fddp-1, -0x1.f190c70cbb5fep-58}, {0x1.aa98688308913p-1, -0x1.b83d607cd5072p-63}}},
    {{{0x1.1e7343236574cp-1, 0x1.22a3fa4f41d5ap-56}, {0x1.a85ed4373e02dp-1, 0x1.9be06385ec792p-57}}},
    {{{0x1.21c1c1b0394cfp-1, 0x1.e5b324b23aa31p-58}, {0x1.a61e9e72586afp-1, 0x1.58330e2fd453fp-55}}},
    {{{0x1.250bb93788bbbp-1, 0x1.ea3d02457bccep-56}, {0x1.a3d7d0352bdcfp-1, -0x1.68dbaeca19669p-55}}},
    {{{0x1.28511c917a067p-1, -0x1.01df1d9a16b7p-55}, {0x1.a18a729aee445p-1, 0x1.95e25736c0357p-60}}},
    {{{0x1.2b91dea88421ep-1, -0x1.fa371db216abp-55}, {0x1.9f368ed912f85p-1, -0x1.1d200c5791606p-55}}},
    {{{0x1.2ecdf279a3082p-1, 0x1.d3557e0e7e37ep-55}, {0x1.9cdc2e3f25e5cp-1, 0x1.3f99112993f62p-55}}},
    {{{0x1.32054b148bc4fp-1, 0x1.f6b42095a135bp-55}, {0x1.9a7b5a36a6514p-1, 0x1.722cfcc9fa7a9p-55}}},
    {{{0x1.3537db9be0367p-1, 0x1.b327e7af040fp-57}, {0x1.98141c42e131p-1, 0x1.d1ff80488f08dp-55}}},
    {{{0x1.386597456282bp-1, -0x1.10fada93b07a8p-56}, {0x1.95a67e00cb1fdp-1, -0x1.0befda21f862dp-55}}},
    {{{0x1.3b8e715a2840ap-1, -0x1.97653a7d2f07ap-56}, {0x1.93328926d9e92p-1, -0x1.bb77003600cdap-55}}},
    {{{0x1.3eb25d36cd53ap-1, -0x1.be570e1570fcp-58}, {0x1.90b84784ddaf7p-1, -0x1.0feb10ab93b87p-56}}},
    {{{0x1.41d14e4ba679p-1, 0x1.4608fd287ecf5p-55}, {0x1.8e37c303d9ad1p-1, -0x1.463a4b53d4bf8p-57}}},
    {{{0x1.44eb381cf386bp-1, -0x1.3ed6c1e6a5505p-55}, {0x1.8bb105a5dc9p-1, 0x1.863e03e9474c1p-55}}},
    {{{0x1.48000e431159fp-1, -0x1.b194a7463ed1p-55}, {0x1.89241985d871fp-1, 0x1.c48d9c413ed84p-55}}},
    {{{0x1.4b0fc46aab761p-1, 0x1.0da05738cc59cp-61}, {0x1.869108d77a6c6p-1, 0x1.338ffe2bfe9ddp-56}}},
    {{{0x1.4e1a4e54ed51bp-1, -0x1.a492f89b7c76ap-55}, {0x1.83f7dde701cap-1, -0x1.152cf609bc6e8p-59}}},
    {{{0x1.511f9fd7b351cp-1, -0x1.5c0e861c48831p-55}, {0x1.8158a31916d5dp-1, -0x1.de8b90b8228dep-57}}},
    {{{0x1.541facddbb724p-1, 0x1.232c28520d391p-56}, {0x1.7eb362eaa1488p-1, 0x1.a1d65a4a5959fp-58}}},
    {{{0x1.571a6966d59b3p-1, 0x1.c843b4d0fb197p-58}, {0x1.7c0827f09e54fp-1, -0x1.c73d6d72aee68p-57}}},
    {{{0x1.5a0fc98813a12p-1, -0x1.d82e2b7d4227bp-55}, {0x1.7956fcd7f6543p-1, -0x1.ab276e9d45ae4p-55}}},
    {{{0x1.5cffc16bf8f0dp-1, 0x1.96cb370eb578ap-55}, {0x1.769fec655211fp-1, -0x1.827d5cf8c68c5p-57}}},
    {{{0x1.5fea4552a9e57p-1, 0x1.0b6cef7ee20b7p-55}, {0x1.73e30174efba1p-1, -0x1.5d3ae3d94ad5fp-57}}},
    {{{0x1.62cf49921ac79p-1, -0x1.edd9855b6241ap-55}, {0x1.712046fa77678p-1, 0x1.425b0a5029c81p-55}}},
    {{{0x1.65aec2963e755p-1, 0x1.126f96b71053cp-55}, {0x1.6e57c800cf55ep-1, 0x1.60286dedbd0a6p-55}}},
    {{{0x1.6888a4e134b2fp-1, -0x1.6b7d37644d5e6p-55}, {0x1.6b898fa9efb5dp-1, 0x1.15ac786ccf4b2p-56}}},
    {{{0x1.6b5ce50b7821ap-1, -0x1.5d5158f702e0fp-57}, {0x1.68b5a92eb6253p-1, -0x1.9a91ad985f89cp-55}}},
};

// {atan hi, atan lo} of j/64
constexpr DoubleDouble kAtan[] = {
    {0x0p+0, 0x0p+0},
    {0x1.fff555bbb729bp-7, -0x1.220c39d4dff5p-61},
    {0x1.ffd55bba97625p-6, -0x1.5ec431444912cp-60},
    {0x1.7fb818430da2ap-5, -0x1.86ef8f794f105p-63},
    {0x1.ff55bb72cfdeap-5, -0x1.c934d86d23f1dp-60},
    {0x1.3f59f0e7c559dp-4, 0x1.ac4ce285df847p-58},
    {0x1.7ee182602f10fp-4, -0x1.cfb654c0c3d98p-58},
    {0x1.be39ebe6f07c3p-4, 0x1.f7b8f29a05987p-58},
    {0x1.fd5ba9aac2f6ep-4, -0x1.cd37686760c17p-59},
    {0x1.1e1fafb043727p-3, -0x1.b485914dacf8cp-59},
    {0x1.3d6eee8c6626cp-3, 0x1.61a3b0ce9281bp-57},
    {0x1.5c9811e3ec26ap-3, -0x1.054ab2c010f3dp-58},
    {0x1.7b97b4bce5b02p-3, 0x1.347b0b4f881cap-58},
    {0x1.9a6a8e96c8626p-3, 0x1.cf601e7b4348ep-59},
    {0x1.b90d7529260a2p-3, 0x1.17b10d2e0e5abp-61},
    {0x1.d77d5df205736p-3, 0x1.c648d1534597ep-57},
    {0x1.f5b75f92c80ddp-3, 0x1.8ab6e3cf7afbdp-57},
    {0x1.09dc597d86362p-2, 0x1.62e47390cb865p-56},
    {0x1.18bf5a30bf178p-2, 0x1.30ca4748b1bf9p-57},
    {0x1.278372057ef46p-2, -0x1.077cdd36dfc81p-56},
    {0x1.362773707ebccp-2, -0x1.963a544b672d8p-57},
    {0x1.44aa436c2af0ap-2, -0x1.5d5e43c55b3bap-56},
    {0x1.530ad9951cd4ap-2, -0x1.2566480884082p-57},
    {0x1.614840309cfe2p-2, -0x1.a725715711fp-56},
    {0x1.6f61941e4def1p-2, -0x1.c63aae6f6e918p-56},
    {0x1.7d5604b63b3f7p-2, 0x1.69c885c2b249ap-56},
    {0x1.8b24d394a1b25p-2, 0x1.b6d0ba3748fa8p-56},
    {0x1.98cd5454d6b18p-2, 0x1.9e6c988fd0a77p-56},
    {0x1.a64eec3cc23fdp-2, -0x1.24dec1b50b7ffp-56},
    {0x1.b3a911da65c6cp-2, 0x1.ae187b1ca504p-56},
    {0x1.c0db4c94ec9fp-2, -0x1.cc1ce70934c34p-56},
    {0x1.cde53432c1351p-2, -0x1.a2cfa4418f1adp-56},
    {0x1.dac670561bb4fp-2, 0x1.a2b7f222f65e2p-56},
    {0x1.e77eb7f175a34p-2, 0x1.0e53dc1bf3435p-56},
    {0x1.f40dd0b541418p-2, -0x1.a3992dc382a23p-57},
    {0x1.0039c73c1a40cp-1, -0x1.b32c949c9d593p-55},
    {0x1.0657e94db30dp-1, -0x1.d5b495f6349e6p-56},
    {0x1.0c6145b5b43dap-1, 0x1.974fa13b5404fp-58},
    {0x1.1255d9bfbd2a9p-1, -0x1.2bdaee1c0ee35p-58},
    {0x1.1835a88be7c13p-1, 0x1.c621cec00c301p-55},
    {0x1.1e00babdefeb4p-1, -0x1.928df287a668fp-58},
    {0x1.23b71e2cc9e6ap-1, 0x1.c421c9f38224ep-57},
    {0x1.2958e59308e31p-1, -0x1.09e73b0c6c087p-56},
    {0x1.2ee628406cbcap-1, 0x1.c5d5e9ff0cf8dp-55},
    {0x1.345f01cce37bbp-1, 0x1.1021137c71102p-55},
    {0x1.39c391cd4171ap-1, -0x1.2304331d8bf46p-55},
    {0x1.3f13fb89e96f4p-1, 0x1.ecf8b492644fp-56},
    {0x1.445065b795b56p-1, -0x1.f76d0163f79c8p-56},
    {0x1.4978fa3269ee1p-1, 0x1.2419a87f2a458p-56},
    {0x1.4e8de5bb6ec04p-1, 0x1.4a33dbeb3796cp-55},
    {0x1.538f57b89061fp-1, -0x1.1bb74abda520cp-55},
    {0x1.587d81f732fbbp-1, -0x1.5e5c9d8c5a95p-56},
    {0x1.5d58987169b18p-1, 0x1.0028e4bc5e7cap-57},
    {0x1.6220d115d7b8ep-1, -0x1.2b785350ee8c1p-57},
    {0x1.66d663923e087p-1, -0x1.6ea6febe8bbbap-56},
    {0x1.6b798920b3d99p-1, -0x1.a80386188c50ep-55},
    {0x1.700a7c5784634p-1, -0x1.8c34d25aadef6p-56},
    {0x1.748978fba8e0fp-1, 0x1.7b2a6165884a1p-59},
    {0x1.78f6bbd5d315ep-1, 0x1.406a08980374p-55},
    {0x1.7d528289fa093p-1, 0x1.560821e2f3aa9p-55},
    {0x1.819d0b7158a4dp-1, -0x1.bf76229d3b917p-56},
    {0x1.85d69576cc2c5p-1, 0x1.6b66e7fc8b8c3p-57},
    {0x1.89ff5ff57f1f8p-1, -0x1.55b9a5e177a1bp-55},
    {0x1.8e17aa99cc05ep-1, -0x1.ec182ab042f61p-56},
    {0x1.921fb54442d18p-1, 0x1.1a62633145c07p-55},
};

// {pi/2 - atan(j/64) hi, lo}
constexpr DoubleDouble kAtanComplement[] = {
    {0x1.921fb54442d18p+0, 0x1.1a62633145c07p-54},
    {0x1.8e1fca98cb633p+0, 0x1.1299ee93be016p-56},
    {0x1.8a205fd55874p+0, -0x1.30228c09a91b4p-54},
    {0x1.8621f4822a647p+0, -0x1.26d12837ecc05p-57},
    {0x1.82250768ac529p+0, -0x1.e78c96d05afcbp-58},
    {0x1.7e2a1635c67bep+0, 0x1.bf9d9508e7c82p-54},
    {0x1.7a319d1e3fe07p+0, 0x1.775dc87d51fep-54},
    {0x1.763c1685d3c9cp+0, 0x1.d736a03d2b373p-57},
    {0x1.7249faa996a21p+0, 0x1.a8cc1e7480c68p-54},
    {0x1.6e5bbf4e3a633p+0, 0x1.a8068fbbb3283p-54},
    {0x1.6a71d772b60cbp+0, -0x1.11d212e88c8fdp-54},
    {0x1.668cb307c54cbp+0, 0x1.55b872ea367d6p-57},
    {0x1.62acbeaca61b8p+0, 0x1.c6ac9f134fa91p-60},
    {0x1.5ed2637169c54p+0, -0x1.f4189dc29459ep-54},
    {0x1.5afe069f1e104p+0, 0x1.8330116e9a3b9p-58},
    {0x1.5730098602231p+0, 0x1.e1994906dd0d7p-54},
    {0x1.5368c951e9cfdp+0, -0x1.96f47948a99f1p-54},
    {0x1.4fa89ee4e144p+0, -0x1.3e56b9b2ed212p-54},
    {0x1.4befdeb8130bap+0, 0x1.e89234905f11p-55},
    {0x1.483ed8c2e3147p+0, -0x1.477ccb02049b2p-55},
    {0x1.4495d86823225p+0, 0x1.4d29adbab2a62p-54},
    {0x1.40f5246938156p+0, -0x1.1c8c17bac6e15p-55},
    {0x1.3d5cfedefb9c6p+0, -0x1.81e1a79b537d2p-55},
    {0x1.39cda5381b92p+0, -0x1.ef5101e3d70e5p-56},
    {0x1.3647503caf55cp+0, 0x1.17e21d9a42c9ap-55},
    {0x1.32ca3416b401ap+0, 0x1.bff041c0992ep-54},
    {0x1.2f56805f1a64fp+0, -0x1.4d472d7231f8dp-56},
    {0x1.2bec602f0d252p+0, 0x1.658e7a1aa32d2p-55},
    {0x1.288bfa3512419p+0, 0x1.8e684e7a2281bp-56},
    {0x1.253570cda95fdp+0, 0x1.5db888d438feep-55},
    {0x1.21e8e21f07a9cp+0, 0x1.8d699cf392f14p-54},
    {0x1.1ea6683792844p+0, 0x1.062c9883530e4p-55},
    {0x1.1b6e192ebbe44p+0, 0x1.b1b466a88828ep-54},
    {0x1.18400747e568bp+0, 0x1.ad9ad85491df3p-55},
    {0x1.151c4116f2812p+0, 0x1.4ed588e9b614bp-54},
    {0x1.1202d1a635b12p+0, 0x1.f3f8ad7f946d1p-54},
    {0x1.0ef3c09d694bp+0, 0x1.8fcf88aed2e8p-54},
    {0x1.0bef126968b2bp+0, 0x1.00ed691d90802p-54},
    {0x1.08f4c864643c4p+0, -0x1.a5bfdbd9f2a2cp-55},
    {0x1.0604e0fe4ef0fp+0, -0x1.c8ae842ec057ap-54},
    {0x1.031f57e54adbep+0, 0x1.338b4259c027p-54},
    {0x1.0044262dddde3p+0, 0x1.c3bc53e5aaf7ap-55},
    {0x1.fae684f57ccp-1, -0x1.46479c173e7afp-55},
    {0x1.f559424818e66p-1, 0x1.bbbb718dfa201p-57},
    {0x1.efe068bba2275p-1, 0x1.24a3b2e61a70bp-55},
    {0x1.ea7bd8bb44317p-1, -0x1.506e0cffd1159p-56},
    {0x1.e52b6efe9c33cp-1, 0x1.3e486c1959596p-55},
    {0x1.dfef04d0efedbp-1, -0x1.9f0971d6f161cp-56},
    {0x1.dac670561bb4fp-1, 0x1.a2b7f222f65e2p-55},
    {0x1.d5b184cd16e2cp-1, 0x1.d521d4eea7d44p-56},
    {0x1.d0b012cff5412p-1, -0x1.5f07ddbf9ebccp-56},
    {0x1.cbc1e89152a76p-1, -0x1.1c0cead74734ap-55},
    {0x1.c6e6d2171bf18p-1, 0x1.f4ba8d3373e1bp-55},
    {0x1.c21e9972adea3p-1, -0x1.805d24c938dc2p-55},
    {0x1.bd6906f6479aap-1, -0x1.13e7ba3e2ea15p-55},
    {0x1.b8c5e167d1c98p-1, -0x1.19bd9c274172p-58},
    {0x1.b434ee31013fdp-1, -0x1.0520d0701d877p-55},
    {0x1.afb5f18cdcc22p-1, -0x1.e2eddfb3cd03cp-55},
    {0x1.ab48aeb2b28d2p-1, 0x1.e8b57b951019bp-56},
    {0x1.a6ece7fe8b99dp-1, 0x1.bd7948ff2fac9p-56},
    {0x1.a2a25f172cfe4p-1, -0x1.d700509dad6cep-56},
    {0x1.9e68d511b976bp-1, 0x1.d9eb0c63689ddp-55},
    {0x1.9a400a9306839p-1, -0x1.d6064eeff375dp-57},
    {0x1.9627bfeeb99d3p-1, -0x1.aa5e488aa6084p-56},
    {0x1.921fb54442d18p-1, 0x1.1a62633145c07p-55},
};

// acos(+-(i/128 + d)) = base[0 or 1] -+ (c1 d + c2 d^2 + ... + c8 d^8), i = 0..64
constexpr AcosRow kAcosSmall[] = {
    {{{0x1.921fb54442d18p+0, 0x1.1a62633145c07p-54}, {0x1.921fb54442d18p+0, 0x1.1a62633145c07p-54}}, 0x1p+0, {0x0p+0, 0x0p+0, 0x1.5555555555555p-3, 0x0p+0, 0x1.3333333333333p-4, 0x0p+0, 0x1.6db6db6db6db7p-5, 0x0p+0}},
    {{{0x1.901fb3eeeb15cp+0, 0x1.7b716a75e523cp-55}, {0x1.941fb6999a8d4p+0, 0x1.770c112798efp-54}}, 0x1.0002p+0, {0x1.80050011803fp-30, 0x1.0006001e008cp-8, 0x1.556d561d5a702p-3, 0x1.801900f507623p-9, 0x1.336f37075c8cap-4, 0x1.4028d7eaf31d7p-9, 0x1.6e42ea32a51ebp-5, 0x1.183b1595a9e18p-9}},
    {{{0x1.8e1faa994b573p+0, 0x1.653d597b63833p-56}, {0x1.961fbfef3a4bdp+0, 0x1.db757003b2a01p-54}}, 0x1.0008p+0, {0x1.801401180fc0ep-26, 0x1.001801e023027p-7, 0x1.55b561d69c1d9p-3, 0x1.80640f51d8b1ap-8, 0x1.3423707d8a98bp-4, 0x1.40a37eb4c82d1p-8, 0x1.6fe7c7e95018dp-5, 0x1.18ec996b7bacp-8}},
    {{{0x1.8c1f9141fb6d8p+0, -0x1.26aef597f9e37p-54}, {0x1.981fd9468a359p+0, -0x1.4918880af5376p-55}}, 0x1.001202p+0, {-0x1.9c704fd16d45bp-28, 0x1.80510e3f5660bp-7, 0x1.562d94abe13acp-3, 0x1.20a8fa3388484p-7, 0x1.355069bd129a9p-4, 0x1.e2287a739b8e7p-8, 0x1.72a78a19349c5p-5, 0x1.a71fffddfaf5ep-8}},
    {{{0x1.8a1f5fe55274ap+0, 0x1.6b4b0a6a243f1p-58}, {0x1.9a200aa3332e7p+0, -0x1.e1efea4416c31p-54}}, 0x1.002006p+0, {0x1.40460fc39cd6bp-32, 0x1.00601e08c276bp-6, 0x1.56d61da71d91fp-3, 0x1.8190f57651b41p-7, 0x1.36f709ca192f4p-4, 0x1.428fecb2dd781p-7, 0x1.7685ae5c79889p-5, 0x1.1bb69af2382f9p-7}},
    {{{0x1.881f0e7c45553p+0, -0x1.78322e54ab2acp-55}, {0x1.9c205c0c404dep+0, -0x1.0f2222731ee9cp-54}}, 0x1.00320ep+0, {0x1.558cab9cd30c5p-25, 0x1.40bbdbb74b84cp-6, 0x1.57af3ed58e51cp-3, 0x1.e3102de2f6308p-7, 0x1.391895aaf741p-4, 0x1.9503f64f88efbp-7, 0x1.7b872100a4955p-5, 0x1.6546d8d346a27p-7}},
    {{{0x1.861e94fb43f93p+0, -0x1.73e619e79ed09p-59}, {0x1.9e20d58d41a9ep+0, -0x1.bf9c08ce3788ap-54}}, 0x1.00481ep+0, {0x1.b91016503acaep-26, 0x1.8144e465df56p-6, 0x1.58b94d7a886dep-3, 0x1.22a6a630e08e8p-6, 0x1.3bb6b206050e7p-4, 0x1.e8b0bf3a8df99p-7, 0x1.81b246668f2e5p-5, 0x1.b0a02677abecbp-7}},
    {{{0x1.841deb5114bb4p+0, -0x1.49d1c4e2eba5ep-54}, {0x1.a0217f3770e7dp+0, -0x1.02d2e97511b28p-55}}, 0x1.006238p+0, {0x1.a7fdc85d48434p-26, 0x1.c2046e1dcdd94p-6, 0x1.59f4b251399b2p-3, 0x1.5437c642256dfp-6, 0x1.3ed3653adf6fbp-4, 0x1.1eec1e6622f14p-6, 0x1.890f073a94d31p-5, 0x1.fe255c66be7dep-7}},
    {{{0x1.821d0965ad9b7p+0, -0x1.37207fab281e8p-54}, {0x1.a2226122d807ap+0, -0x1.283573e498c15p-55}}, 0x1.00806p+0, {0x1.4118fce7d749dp-26, 0x1.0181e23278b7fp-5, 0x1.5b61e9ddafe71p-3, 0x1.864f6db9edae1p-6, 0x1.427119fb2aadbp-4, 0x1.4a5f258b28dc2p-6, 0x1.91a6dfa5adec1p-5, 0x1.271ec0e36e2b1p-6}},
    {{{0x1.801be7190ac4bp+0, 0x1.9bcb96d142326p-56}, {0x1.a423836f7ade5p+0, 0x1.cdd1e0ae3af44p-54}}, 0x1.00a29ap+0, {0x1.a38cf17c07f8ep-26, 0x1.222625fe1536cp-5, 0x1.5d0184cd8fdap-3, 0x1.b901fbe20c0bbp-6, 0x1.4692a267d026cp-4, 0x1.76d4838c721f9p-6, 0x1.9b84f1a058475p-5, 0x1.50aa4d5224ee3p-6}},
    {{{0x1.7e1a7c4201ea8p+0, 0x1.c87561d84247p-54}, {0x1.a624ee4683b88p+0, 0x1.b13d922924e78p-56}}, 0x1.00c8ecp+0, {-0x1.b4bdd9c486f4ep-26, 0x1.42f3c358bf56fp-5, 0x1.5ed42868f5c98p-3, 0x1.ec64492a26c6ap-6, 0x1.4b3b3bb8bb4fdp-4, 0x1.a47096ab28fccp-6, 0x1.a6b61a98ef9c9p-5, 0x1.7bee41e38745cp-6}},
    {{{0x1.7c18c0ad1204cp+0, -0x1.5ff6f27ae079fp-57}, {0x1.a826a9db739e5p+0, -0x1.9f3c5b4e186fep-54}}, 0x1.00f35ap+0, {-0x1.73b0df9c2bf12p-25, 0x1.63ef8ba4795bbp-5, 0x1.60da8f1414a82p-3, 0x1.1045dc1aec3acp-5, 0x1.506e927632444p-4, 0x1.d3593ec2b82bfp-6, 0x1.b3490ca88d53ap-5, 0x1.a926ef4735a44p-6}},
    {{{0x1.7a16ac1b2eec5p+0, 0x1.9324b6b2d601bp-54}, {0x1.aa28be6d56b6bp+0, 0x1.43401f5f6afe6p-55}}, 0x1.0121eap+0, {-0x1.a6beae5ef5744p-26, 0x1.851e62bfa7b8p-5, 0x1.631588e23b648p-3, 0x1.2ac723cfd763cp-5, 0x1.5630c74c11239p-4, 0x1.01db090c55949p-5, 0x1.c14e6b9bd36ddp-5, 0x1.d89487c1a54c1p-6}},
    {{{0x1.781436408858ep+0, -0x1.fbe77623d41fap-54}, {0x1.ac2b3447fd4a3p+0, 0x1.8561e432fd03bp-57}}, 0x1.0154a4p+0, {-0x1.971c4f81d0b9dp-25, 0x1.a685411514a9fp-5, 0x1.6585fc3b01f7dp-3, 0x1.45c15244e67e8p-5, 0x1.5c8674807153bp-4, 0x1.1ad84ac95d74bp-5, 0x1.d0d8ee2052e5dp-5, 0x1.053dd4a6185aep-5}},
    {{{0x1.761156c34bba5p+0, 0x1.bcd3778889c04p-54}, {0x1.ae2e13c539e8bp+0, 0x1.dfc53b6807027p-56}}, 0x1.018b8ep+0, {-0x1.1bb4fefd40d51p-25, 0x1.c82935bc525d2p-5, 0x1.682ce69278d34p-3, 0x1.61401f0b4814ap-5, 0x1.6374b418a219cp-4, 0x1.34ba3c6600d13p-5, 0x1.e1fd8373b6ebfp-5, 0x1.1f92fa17fafap-5}},
    {{{0x1.740e053a6067dp+0, -0x1.8e82e6ab35388p-57}, {0x1.b031654e253b4p+0, -0x1.996adcc80dd81p-54}}, 0x1.01c6bp+0, {0x1.11be8fbeaa591p-26, 0x1.ea0f68ac4f197p-5, 0x1.6b0b5d35509b3p-3, 0x1.7d4facf2b2287p-5, 0x1.6b0126b8d2ee9p-4, 0x1.4f97eb469f979p-5, 0x1.f4d37dffb6899p-5, 0x1.3b7157f763794p-5}},
    {{{0x1.720a392c1d955p+0, -0x1.eb91490a4cb4ap-54}, {0x1.b235315c680dcp+0, 0x1.02b07b66c1abcp-57}}, 0x1.020614p+0, {0x1.1bfea66c1b228p-26, 0x1.061e8e8103b88p-4, 0x1.6e228e2a0d52fp-3, 0x1.99fc94d90435p-5, 0x1.7331fb4c6e147p-4, 0x1.6b89bd1c4ff93p-5, 0x1.04ba61ae9f4bbp-4, 0x1.5903c0422cd36p-5}},
    {{{0x1.7005ea0cf98p+0, -0x1.c388452979f26p-55}, {0x1.b439807b8c231p+0, -0x1.d2ee2e116f0bfp-55}}, 0x1.0249c2p+0, {0x1.7f74b49222dc1p-25, 0x1.175bd9aeaecd4p-4, 0x1.7173c128777a3p-3, 0x1.b753f11b68fb6p-5, 0x1.7c0df786e847dp-4, 0x1.88a99563e4f56p-5, 0x1.0fff012547c8ep-4, 0x1.78789724bee36p-5}},
    {{{0x1.6e010f3e31394p+0, 0x1.580ed59ab0c7dp-54}, {0x1.b63e5b4a5469cp+0, 0x1.b96be18fb5721p-55}}, 0x1.0291c6p+0, {-0x1.75bad1d99132fp-26, 0x1.28c2562b1dbb8p-4, 0x1.750058a89f789p-3, 0x1.d56369ba8f121p-5, 0x1.859c814ebea71p-4, 0x1.a712fe05a369dp-5, 0x1.1c477799bc02ap-4, 0x1.9a02418651aecp-5}},
    {{{0x1.6bfba00c6873p+0, -0x1.ad9820677fd68p-54}, {0x1.b843ca7c1d301p+0, -0x1.da31935f4a8a1p-58}}, 0x1.02de28p+0, {-0x1.a955b86696306p-26, 0x1.3a54d586232bap-4, 0x1.78c9d30aec511p-3, 0x1.f439414506dbfp-5, 0x1.8fe5a9268475dp-4, 0x1.c6e353767b7e1p-5, 0x1.29a544005d1bfp-4, 0x1.bdd79fa3f521p-5}},
    {{{0x1.69f593ae40a94p+0, -0x1.5100d5f4e547ap-56}, {0x1.ba49d6da44f9dp+0, -0x1.76fb04203b2d4p-54}}, 0x1.032ef4p+0, {-0x1.4479a7e460cecp-29, 0x1.4c163be9c863ep-4, 0x1.7cd1cbdad651ap-3, 0x1.09f2314e3cd56p-4, 0x1.9af235aa4669dp-4, 0x1.e839f4c62cc13p-5, 0x1.382baffe36223p-4, 0x1.e434955f7ffe2p-5}},
    {{{0x1.67eee142e6feap+0, -0x1.e01130089fdb6p-55}, {0x1.bc5089459ea47p+0, -0x1.b66543324922fp-55}}, 0x1.038436p+0, {0x1.b6fe3d038eb94p-25, 0x1.5e0981806fdadp-4, 0x1.8119fd2e19a92p-3, 0x1.1a3a37d622ab8p-4, 0x1.a6cbb03a30d41p-4, 0x1.059c3c08de6b3p-4, 0x1.47effa5a97023p-4, 0x1.06ad5110119cp-4}},
    {{{0x1.65e77fd098172p+0, 0x1.4d16d2eebbdf3p-54}, {0x1.be57eab7ed8bep+0, 0x1.cf5be6e79f435p-55}}, 0x1.03ddfep+0, {-0x1.c0c45da072569p-25, 0x1.7031b3ec22c6ap-4, 0x1.85a441225beb2p-3, 0x1.2afce8950b937p-4, 0x1.b37c72ee5a759p-4, 0x1.180171efa661ap-4, 0x1.59098674f52e2p-4, 0x1.1cc8c531de934p-4}},
    {{{0x1.63df664319371p+0, -0x1.24edd0e257f5ap-54}, {0x1.c06004456c6cp+0, -0x1.4c9ad17639131p-55}}, 0x1.043c54p+0, {0x1.860c4ba96da2ap-26, 0x1.8291f7d083edbp-4, 0x1.8a72937b7300dp-3, 0x1.3c42e3bdb76e1p-4, 0x1.c10fb7f2e19cep-4, 0x1.2b5ff6fbec8c7p-4, 0x1.6b9211560c6d4p-4, 0x1.34940ab5c7deap-4}},
    {{{0x1.61d68b6a25df9p+0, -0x1.7a2c2ff78a8a7p-55}, {0x1.c268df1e5fc38p+0, -0x1.0e2521a1af39fp-54}}, 0x1.049f4cp+0, {-0x1.e6a4989223b7dp-25, 0x1.952d8a70fd76cp-4, 0x1.8f871364b45f7p-3, 0x1.4e153e6ec33c2p-4, 0x1.cf91aa6f3828bp-4, 0x1.3fcca03287c26p-4, 0x1.7fa5ed07e4435p-4, 0x1.4e3a70e328fa4p-4}},
    {{{0x1.5fcce5f7d11b1p+0, 0x1.20d5b82f17c6cp-54}, {0x1.c4728490b487fp+0, 0x1.13ef0e3373ba2p-54}}, 0x1.0506fp+0, {0x1.7cba1cdbb5f6ap-26, 0x1.a807c364ddb88p-4, 0x1.94e40557f12a7p-3, 0x1.607d8c77fe7b1p-4, 0x1.df0f791f9ae05p-4, 0x1.555de2a6b6b17p-4, 0x1.956442f7f8844p-4, 0x1.69eba9ef52c8cp-4}},
    {{{0x1.5dc26c7ed99e7p+0, -0x1.bb630a356504bp-54}, {0x1.c67cfe09ac04ap+0, -0x1.fb05ed01ef4e5p-59}}, 0x1.057354p+0, {0x1.c1d957d58d85ap-26, 0x1.bb241663384e7p-4, 0x1.9a8bd52d07cdp-3, 0x1.7385eae2eda93p-4, 0x1.ef976acc50af3p-4, 0x1.6c2bfd3fd3a39p-4, 0x1.acef5e41c4bcap-4, 0x1.87dc51150705ep-4}},
    {{{0x1.5bb71570efd8fp+0, -0x1.77199d2d4ebccp-54}, {0x1.c888551795ca2p+0, -0x1.508671c09709ap-56}}, 0x1.05e488p+0, {0x1.c4cf9e6c5192dp-27, 0x1.ce861528855a6p-4, 0x1.a08118553e4f6p-3, 0x1.87390b521331fp-4, 0x1.009c7a67c0434p-3, 0x1.845126cc27e66p-4, 0x1.c66cfedee49ecp-4, 0x1.a846818e255c3p-4}},
    {{{0x1.59aad71ced00fp+0, -0x1.b5b31565e9408p-57}, {0x1.ca94936b98a22p+0, -0x1.9484d6f0b7571p-54}}, 0x1.065a9ep+0, {-0x1.9fb3469549771p-26, 0x1.e231717821274p-4, 0x1.a6c69045eb07ep-3, 0x1.9ba2404c9cc04p-4, 0x1.0a0269f0229f8p-3, 0x1.9de9c0e525a3dp-4, 0x1.e206b6dd81823p-4, 0x1.cb6a80d04ce9fp-4}},
    {{{0x1.579da7acfa1b7p+0, 0x1.b9324bca1b878p-55}, {0x1.cca1c2db8b879p+0, 0x1.582ba07d7dbd2p-54}}, 0x1.06d5a8p+0, {-0x1.3ff4573925fbcp-25, 0x1.f629ff3bfabbcp-4, 0x1.ad5f2d164c2e3p-3, 0x1.b0cd8a8e55c3cp-4, 0x1.140693b01e9a9p-3, 0x1.b914903a303dcp-4, 0x1.ffea52e69bc1bp-4, 0x1.f18f7ec8d61d6p-4}},
    {{{0x1.558f7d24a5ef2p+0, -0x1.ceceb30ccb619p-55}, {0x1.ceafed63dfb3fp+0, -0x1.c7a7c02e1d9ccp-55}}, 0x1.0755bap+0, {-0x1.49de9e4f911d7p-25, 0x1.0539db627862bp-3, 0x1.b44e1054d3541p-3, 0x1.c6c7a77648cap-4, 0x1.1eb2c7b821295p-3, 0x1.d5f2faea626fbp-4, 0x1.102527c6624eep-3, 0x1.0d82379f994c2p-3}},
    {{{0x1.53804d5ee8c25p+0, -0x1.d82104cbc2a3bp-56}, {0x1.d0bf1d299ce0cp+0, -0x1.5532f86a83d64p-54}}, 0x1.07dae8p+0, {0x1.5acbe9d156e2ap-26, 0x1.0f895b9749073p-3, 0x1.bb9690189901ep-3, 0x1.dd9e20b1513p-4, 0x1.2a11a70caedc7p-3, 0x1.f4a94dabcc202p-4, 0x1.21af2e890ba7fp-3, 0x1.241080008b698p-3}},
    {{{0x1.51700e0c14b25p+0, -0x1.fd535474274b1p-61}, {0x1.d2cf5c7c70f0cp+0, -0x1.c74092f48c309p-54}}, 0x1.08654ap+0, {0x1.6a7b6d40650abp-27, 0x1.1a05a47498fd8p-3, 0x1.c33c3a5427fcp-3, 0x1.f55f5d410ffb9p-4, 0x1.362eb5f045f67p-3, 0x1.0aaf844bee781p-3, 0x1.34b1f9c970a7cp-3, 0x1.3ca358067b593p-3}},
    {{{0x1.4f5eb4afb15e5p+0, 0x1.789e5036f7de3p-55}, {0x1.d4e0b5d8d444bp+0, 0x1.78759e470f91cp-54}}, 0x1.08f4f6p+0, {-0x1.7947ab2386574p-27, 0x1.24b0f036c176ep-3, 0x1.cb42d86f588d9p-3, 0x1.070d5a01a69dap-3, 0x1.431670135636dp-3, 0x1.1c1f9a48cdbc4p-3, 0x1.494f7ce56e308p-3, 0x1.5771064c87bd1p-3}},
    {{{0x1.4d4c369e418c7p+0, -0x1.76a4fe3c08f41p-54}, {0x1.d6f333ea4416ap+0, -0x1.5258ed85ae2c6p-56}}, 0x1.098a04p+0, {-0x1.53b3731ef865bp-25, 0x1.2f8d908e98498p-3, 0x1.d3ae732e8c418p-3, 0x1.13f03ff0ec572p-3, 0x1.50d65ee118d16p-3, 0x1.2ebc612dbc4d4p-3, 0x1.5fad407f66227p-3, 0x1.74b60ccdf5a33p-3}},
    {{{0x1.4b3888faf158p+0, -0x1.6b6ff6a100266p-55}, {0x1.d906e18d944b1p+0, -0x1.15833e4cf46bfp-54}}, 0x1.0a248cp+0, {0x1.20673371f0134p-32, 0x1.3a9df02a21e16p-3, 0x1.dc8356ee43a9bp-3, 0x1.21611aebc421bp-3, 0x1.5f7d322705a2bp-3, 0x1.429f7a4c5844dp-3, 0x1.77f4cc7adb84cp-3, 0x1.94b5f63227ca6p-3}},
    {{{0x1.4923a0b52b60ep+0, -0x1.f01bb0090c2afp-54}, {0x1.db1bc9d35a423p+0, 0x1.2703b35cbd5e4p-57}}, 0x1.0ac4aap+0, {0x1.4656fcaec73bdp-26, 0x1.45e49457b8d6p-3, 0x1.e5c6183ac4587p-3, 0x1.2f693e7e09901p-3, 0x1.6f1adb5c8ae8ap-3, 0x1.57e4eb1106519p-3, 0x1.92541faf106e5p-3, 0x1.b7bc3ff02093bp-3}},
    {{{0x1.470d728613578p+0, 0x1.cb3b1fae768a6p-56}, {0x1.dd31f802724b8p+0, 0x1.c1f5fe76edde4p-54}}, 0x1.0b6a7ap+0, {0x1.102909d98572fp-28, 0x1.51641ec5ecb25p-3, 0x1.ef7b98cc57818p-3, 0x1.3e12a46728775p-3, 0x1.7fc0abd9afcf4p-3, 0x1.6eab5f2434e4ep-3, 0x1.aefe373fbc9dcp-3, 0x1.de1d65ba6c58bp-3}},
    {{{0x1.44f5f2ede426cp+0, 0x1.da7ac3dc399ap-56}, {0x1.df49779aa17c4p+0, 0x1.be26156b7d1a6p-54}}, 0x1.0c1618p+0, {0x1.84d6445d0c428p-26, 0x1.5d1f4f628f5f2p-3, 0x1.f9a90cf194a64p-3, 0x1.4d67fafd77761p-3, 0x1.9181765593578p-3, 0x1.8714726ce0ad8p-3, 0x1.ce2ba7d8c6267p-3, 0x1.041c09b10f33bp-2}},
    {{{0x1.42dd16312fdb1p+0, 0x1.32e1c7acfd574p-54}, {0x1.e162545755c7fp+0, 0x1.01e2feb58e299p-54}}, 0x1.0cc7a4p+0, {-0x1.a08d91ce98c6ep-27, 0x1.6919065ba45dp-3, 0x1.022a00b919398p-2, 0x1.5d74b4f289006p-3, 0x1.a471b4117af94p-3, 0x1.a145040071e97p-3, 0x1.f01b4b639f1dfp-3, 0x1.1b3b419fd173bp-2}},
    {{{0x1.40c2d055ff46ep+0, -0x1.521b301b6239fp-54}, {0x1.e37c9a32865c3p+0, -0x1.e48026084914cp-56}}, 0x1.0d7f3cp+0, {0x1.4e1470bf354e6p-26, 0x1.755446452737bp-3, 0x1.07c130faff1d6p-2, 0x1.6e451a9f5f5c3p-3, 0x1.b8a7ae2299f55p-3, 0x1.bd659333127ffp-3, 0x1.0a89831af219ep-2, 0x1.34a8081c9b80bp-2}},
    {{{0x1.3ea71520cf3d3p+0, 0x1.febae5573d817p-54}, {0x1.e5985567b665dp+0, 0x1.b04f085a6ffb4p-57}}, 0x1.0e3d04p+0, {-0x1.ed40c248c3696p-26, 0x1.81d43666e82bep-3, 0x1.0d9d3ffe723f7p-2, 0x1.7fe65d0430f6dp-3, 0x1.ce3bab5c2894ep-3, 0x1.dba2a828dda52p-3, 0x1.1eb05399ef3cbp-2, 0x1.50a581dc776c2p-2}},
    {{{0x1.3c89d81169158p+0, -0x1.d13efd9e8c303p-56}, {0x1.e7b592771c8d9p+0, -0x1.56eb7a35d1731p-54}}, 0x1.0f011cp+0, {0x1.12f03b3c4370dp-25, 0x1.8e9c25360fb82p-3, 0x1.13c18d3b33bfap-2, 0x1.9266aaacd0ef5p-3, 0x1.e548236d1a856p-3, 0x1.fc2d497cd6888p-3, 0x1.34ad7378fd33bp-2, 0x1.6f7f54ac89338p-2}},
    {{{0x1.3a6b0c5f93fd4p+0, 0x1.9ab4f955f82adp-54}, {0x1.e9d45e28f1a5cp+0, 0x1.341f9a1926ac1p-55}}, 0x1.0fcbacp+0, {0x1.ebd3ff4ab16fcp-27, 0x1.9baf8afe34c8ep-3, 0x1.1a31b30440bbep-2, 0x1.a5d546b0f4477p-3, 0x1.fde9f7d924161p-3, 0x1.0f9dc067d9b3fp-2, 0x1.4cb1454513f0cp-2, 0x1.918ad9e49103fp-2}},
    {{{0x1.384aa4f79c6fdp+0, -0x1.59a79819a6fbp-54}, {0x1.ebf4c590e9334p+0, -0x1.c64e860f3610bp-56}}, 0x1.109cdap+0, {-0x1.78f3338c12f17p-25, 0x1.a9120cbe5685ep-3, 0x1.20f18b0be2acp-2, 0x1.ba42a20e8ba32p-3, 0x1.0c2059c61b8f2p-2, 0x1.2284782be1355p-2, 0x1.66f1d7d122428p-2, 0x1.b728803f36897p-2}},
    {{{0x1.36289476aef52p+0, -0x1.62c03838c1026p-56}, {0x1.ee16d611d6adfp+0, -0x1.728b2b8f443e9p-54}}, 0x1.1174ccp+0, {0x1.cbadbff12bc39p-28, 0x1.b6c77f3e7bca2p-3, 0x1.2805335250db9p-2, 0x1.cfc077a4653cfp-3, 0x1.1a3768f15ab37p-2, 0x1.36ebbdef26ep-2, 0x1.83aba406820cap-2, 0x1.e0c5651d32f29p-2}},
    {{{0x1.3404cd2703134p+0, -0x1.88b1388ad6154p-54}, {0x1.f03a9d61828fdp+0, -0x1.0a28044a79a78p-56}}, 0x1.1253bp+0, {-0x1.7d85895fa8b7bp-25, 0x1.c4d3ea6338818p-3, 0x1.2f711389ff8a4p-2, 0x1.e661eb1c69d77p-3, 0x1.294d070ff18d9p-2, 0x1.4cf803fc0b3cfp-2, 0x1.a322664329898p-2, 0x1.076e975910b62p-1}},
    {{{0x1.31df40fbd31cdp+0, 0x1.10ebcfd1cc29dp-59}, {0x1.f260298cb2864p+0, -0x1.d3c2981c02e07p-54}}, 0x1.1339bp+0, {-0x1.8aab62f98b20dp-25, 0x1.d33b8cc4e63e5p-3, 0x1.3739e2fe0aea9p-2, 0x1.fe3bab1f37947p-3, 0x1.3975de382fefbp-2, 0x1.64d1a95c2c394p-2, 0x1.c5a217abbd278p-2, 0x1.20fe192f550b5p-1}},
    {{{0x1.2fb7e18d1d464p+0, -0x1.ea97e32ac11ebp-54}, {0x1.f48788fb685cdp+0, 0x1.f5ca98d4c9f89p-58}}, 0x1.1426fap+0, {0x1.80ca9b57b5991p-25, 0x1.e202df90fb4b1p-3, 0x1.3f64af08aaa6ap-2, 0x1.0bb20b9b6a221p-2, 0x1.4ac896e03961dp-2, 0x1.7ea574d1b4122p-2, 0x1.eb800c9c5d2ecp-2, 0x1.3d60fa4e04a35p-1}},
    {{{0x1.2d8ea0132a1e7p+0, 0x1.3b5f0c4ed32ep-55}, {0x1.f6b0ca755b849p+0, 0x1.9715403b21e9ep-54}}, 0x1.151bc2p+0, {0x1.abd70d0cd8aa1p-25, 0x1.f12e9abc9c861p-3, 0x1.47f6e2294c4c6p-2, 0x1.18f9b4e9f6567p-2, 0x1.5d5e0fef63957p-2, 0x1.9aa520a18c947p-2, 0x1.0a8e1f2691c8dp-1, 0x1.5cf20936430bp-1}},
    {{{0x1.2b636d61d4391p+0, 0x1.60826541d499ap-55}, {0x1.f8dbfd26b169fp+0, 0x1.848393c1a1341p-54}}, 0x1.16183ap+0, {0x1.d6ae7863175edp-25, 0x1.0061dcc826883p-2, 0x1.50f64bcbdfb22p-2, 0x1.2701f37c70ae5p-2, 0x1.71519dce85895p-2, 0x1.b907f9bc1bf4dp-2, 0x1.2171636b39548p-1, 0x1.8018d3ade3b92p-1}},
    {{{0x1.293639e38c7cap+0, 0x1.e6036ab3fce5ap-54}, {0x1.fb0930a4f9266p+0, 0x1.3b056eba3a6dp-56}}, 0x1.171c9ap+0, {-0x1.ff7f1747d1cf7p-25, 0x1.0863bfcabf1b7p-2, 0x1.5a6928d510eb8p-2, 0x1.35d90810095dcp-2, 0x1.86c1517110ad3p-2, 0x1.da0b953f74155p-2, 0x1.3aa6cc076df58p-1, 0x1.a74ba36bbafdp-1}},
    {{{0x1.2706f59416274p+0, -0x1.5885835006041p-54}, {0x1.fd3874f46f7bdp+0, -0x1.cad6d935b9ec5p-56}}, 0x1.182916p+0, {-0x1.b687cd0cb0208p-27, 0x1.109fbef7deb6ep-2, 0x1.64562d09aa292p-2, 0x1.458e6f03ee033p-2, 0x1.9dce487781efcp-2, 0x1.fdf49fcf1ed2fp-2, 0x1.56733ba605254p-1, 0x1.d311d218ee5b6p-1}},
    {{{0x1.24d58ffaf52edp+0, 0x1.ebe1cf94ca8cbp-54}, {0x1.ff69da8d90743p+0, 0x1.238bdb3703d0cp-56}}, 0x1.193decp+0, {0x1.afacca22549bcp-25, 0x1.1918cc962cd31p-2, 0x1.6ec48d6a30f4dp-2, 0x1.563300937888cp-2, 0x1.b69d07b907ce7p-2, 0x1.1287e56b76b7bp-1, 0x1.7524a4f7f1f02p-1, 0x1.0203428903cfdp+0}},
    {{{0x1.22a1f825892d7p+0, 0x1.40e4d2afe7dfcp-55}, {0x1.00ceb9317e3adp+1, -0x1.35d6d17ab4378p-53}}, 0x1.1a5b5cp+0, {0x1.8cb2ae712a748p-25, 0x1.21d207ca4ca5ep-2, 0x1.79bc0b9f13dedp-2, 0x1.67d914d3f69b1p-2, 0x1.d155e1b760053p-2, 0x1.27d96e421efb7p-1, 0x1.97136076362edp-1, 0x1.1d6df25777019p+0}},
    {{{0x1.206c1ca0ce84dp+0, 0x1.348785444f2b9p-54}, {0x1.01e9a6f3db8f2p+1, -0x1.7fe15f70e1d55p-53}}, 0x1.1b81a8p+0, {-0x1.344b90ca6485cp-25, 0x1.2acec0080207cp-2, 0x1.8545029578832p-2, 0x1.7a94abf5bee52p-2, 0x1.ee256abe676e6p-2, 0x1.3f1ef40cf747fp-1, 0x1.bca3ba10ab1fp-1, 0x1.3c2f737a1daefp+0}},
    {{{0x1.1e33eb72bed71p+0, -0x1.b41eb0e80e515p-54}, {0x1.0305bf8ae366p+1, -0x1.71c88b5662dd8p-58}}, 0x1.1cb112p+0, {-0x1.eb90886198d3ep-29, 0x1.341278d2eebedp-2, 0x1.91687471015e6p-2, 0x1.8e7b9b5b3dd4fp-2, 0x1.069e7e5d35ba5p-1, 0x1.588e5aa2f5378p-1, 0x1.e647c0e02135ap-1, 0x1.5ebde54c356bdp+0}},
    {{{0x1.1bf9521349506p+0, -0x1.1ed366c75e782p-56}, {0x1.04230c3a9e295p+1, 0x1.3e3cd00a318f7p-53}}, 0x1.1de9e6p+0, {-0x1.7f877ef2b8fc7p-25, 0x1.3da0edd75f233p-2, 0x1.9e3019fbce473p-2, 0x1.a3a5c02eb8827p-2, 0x1.1769a69394475p-1, 0x1.74642f2a5a903p-1, 0x1.0a40b2785e4bfp+0, 0x1.85a1b2bad52aap+0}},
    {{{0x1.19bc3d64da8fep+0, -0x1.d01d72ffeef21p-54}, {0x1.05419691d589ap+1, -0x1.fd8ee34ec2c68p-53}}, 0x1.1f2c6ep+0, {0x1.f1650ff439a63p-30, 0x1.477e1764a53b6p-2, 0x1.aba673c3a4c6dp-2, 0x1.ba2d38394ad5fp-2, 0x1.29928bf012631p-1, 0x1.92e497493946bp-1, 0x1.23f278d2e44a7p+0, 0x1.b178b88f23e24p+0}},
    {{{0x1.177c99ac6b379p+0, -0x1.8b0162e15122ep-54}, {0x1.0661686e0d35cp+1, -0x1.00e75af08d711p-56}}, 0x1.2078fep+0, {-0x1.d9f170e03d98ap-25, 0x1.51ae2f53ae20fp-2, 0x1.b9d6dd19b71efp-2, 0x1.d22ea1dbccc5bp-2, 0x1.3d3af10a789a7p-1, 0x1.b45c65f382823p-1, 0x1.408dfb1618a8bp+0, 0x1.e2fa04d8d981bp+0}},
    {{{0x1.153a52890b55bp+0, 0x1.3a2398c45037fp-54}, {0x1.07828bffbd26bp+1, -0x1.82af6930e25b9p-53}}, 0x1.21cfe8p+0, {-0x1.d58675720c90ap-26, 0x1.5c35b665d4687p-2, 0x1.c8cda1320fcb1p-2, 0x1.ebc9642da328p-2, 0x1.52886c9a5ab93p-1, 0x1.d9225c6a3ecbep-1, 0x1.607458864a77dp+0, 0x1.0d7d27ade5071p+1}},
    {{{0x1.12f552eadfe6dp+0, -0x1.c3817c34de231p-54}, {0x1.08a50bced2de2p+1, -0x1.ee6f5a259703dp-60}}, 0x1.233188p+0, {-0x1.8467c44e41784p-25, 0x1.67197a297a074p-2, 0x1.d89812a8690c4p-2, 0x1.0390003784022p-1, 0x1.69a4e9287e745p-1, 0x1.00cc4fa230477p+0, 0x1.84150c2ced4cfp+0, 0x1.2d38a9108d98cp+1}},
    {{{0x1.10ad850986a48p+0, -0x1.5a0fe1b564287p-54}, {0x1.09c8f2bf7f7f4p+1, 0x1.c76a540bf7d4ap-53}}, 0x1.249e3ap+0, {0x1.e4e545dcdf2ccp-25, 0x1.725e9b73b49e3p-2, 0x1.e944a5ba62b0ep-2, 0x1.122c37169efdap-1, 0x1.82bf37a2f1a3ap-1, 0x1.17173471984fcp+0, 0x1.abf04eb435d2cp+0, 0x1.51401929e64efp+1}},
    {{{0x1.0e62d259d32bcp+0, 0x1.6f758a3d21f4cp-57}, {0x1.0aee4c17593bap+1, 0x1.036b0a8d73a12p-53}}, 0x1.261666p+0, {0x1.77ba4399de7a5p-25, 0x1.7e0a958059501p-2, 0x1.fae30d92dc61bp-2, 0x1.21ce41d86e43ep-1, 0x1.9e0bb7f64ddfdp-1, 0x1.2fb102493e527p+0, 0x1.d899e8d67de28p+0, 0x1.7a3c9a6d2bcafp+1}},
    {{{0x1.0c152382d7366p+0, -0x1.ee6913347c2a6p-54}, {0x1.0c152382d7366p+1, -0x1.ee6913347c2a6p-53}}, 0x1.279a74p+0, {0x1.640cc7134863ep-26, 0x1.8a2345cc04426p-2, 0x1.06c22e8802d6ep-1, 0x1.328d364958a56p-1, 0x1.bbc51b62dcf93p-1, 0x1.4ae18feda4c2cp+0, 0x1.055e46aa8225bp+1, 0x1.a8f48424a8f02p+1}},
};

// {2 asin(i/128), pi - 2 asin(i/128)} for sqrt((1 - |x|)/2) <= 2^-2.5
constexpr DoubleDouble kAcosNearOne[][2] = {
    {{0x0p+0, 0x0p+0}, {0x1.921fb54442d18p+1, 0x1.1a62633145c07p-53}},
    {{0x1.0000aaabdde0cp-6, -0x1.ab2904d668b9dp-60}, {0x1.901fb3eeeb15cp+1, 0x1.7b716a75e523cp-54}},
    {{0x1.0002aabdde94cp-5, 0x1.130cd26cdfa37p-61}, {0x1.8e1faa994b573p+1, 0x1.653d597b63833p-55}},
    {{0x1.80090091d9024p-5, 0x1.1158c93fa3e42p-61}, {0x1.8c1f9141fb6d8p+1, -0x1.26aef597f9e37p-53}},
    {{0x1.000aabde0b9c8p-4, 0x1.d6d94551be3e9p-60}, {0x1.8a1f5fe55274ap+1, 0x1.6b4b0a6a243f1p-57}},
    {{0x1.4014d8ffaf8afp-4, -0x1.3090b48c9545fp-58}, {0x1.881f0e7c45553p+1, -0x1.78322e54ab2acp-54}},
    {{0x1.8024091fdb0a9p-4, 0x1.80650020adbcap-59}, {0x1.861e94fb43f93p+1, -0x1.73e619e79ed09p-58}},
    {{0x1.c0393e65c2c93p-4, 0x1.0d0a050c59955p-59}, {0x1.841deb5114bb4p+1, -0x1.49d1c4e2eba5ep-53}},
    {{0x1.002abde953619p-3, 0x1.182e2dc6ddeedp-57}, {0x1.821d0965ad9b7p+1, -0x1.37207fab281e8p-53}},
    {{0x1.203ce2b380cd3p-3, -0x1.9210506159851p-58}, {0x1.801be7190ac4bp+1, 0x1.9bcb96d142326p-55}},
    {{0x1.405390240e6fdp-3, 0x1.1ed0159037972p-57}, {0x1.7e1a7c4201ea8p+1, 0x1.c87561d84247p-53}},
    {{0x1.606f49730ccc5p-3, 0x1.9850602873eadp-59}, {0x1.7c18c0ad1204cp+1, -0x1.5ff6f27ae079fp-56}},
    {{0x1.809092913e52ep-3, 0x1.cf6b1f9befb16p-59}, {0x1.7a16ac1b2eec5p+1, 0x1.9324b6b2d601bp-53}},
    {{0x1.a0b7f03ba78acp-3, 0x1.649d95519e008p-57}, {0x1.781436408858ep+1, -0x1.fbe77623d41fap-53}},
    {{0x1.c0e5e80f7172dp-3, 0x1.d8eeba8bc003p-57}, {0x1.761156c34bba5p+1, 0x1.bcd3778889c04p-53}},
    {{0x1.e11b009e269b5p-3, 0x1.865800d58cefcp-58}, {0x1.740e053a6067dp+1, -0x1.8e82e6ab35388p-56}},
    {{0x1.00abe0c129e1ep-2, 0x1.7ceb0ee49d42ap-59}, {0x1.720a392c1d955p+1, -0x1.eb91490a4cb4ap-53}},
    {{0x1.10ce59ba4a8c4p-2, -0x1.ecbd1cfea3329p-60}, {0x1.7005ea0cf98p+1, -0x1.c388452979f26p-54}},
    {{0x1.20f530308cc2p-2, -0x1.ed63934b583b4p-56}, {0x1.6e010f3e31394p+1, 0x1.580ed59ab0c7dp-53}},
    {{0x1.3120a9bed2f46p-2, -0x1.c02be339d3487p-56}, {0x1.6bfba00c6873p+1, -0x1.ad9820677fd68p-53}},
    {{0x1.41510cb011423p-2, -0x1.15d675180eda8p-57}, {0x1.69f593ae40a94p+1, -0x1.5100d5f4e547ap-55}},
    {{0x1.5186a00ade974p-2, 0x1.4d5f66b2b5c3cp-58}, {0x1.67eee142e6feap+1, -0x1.e01130089fdb6p-54}},
    {{0x1.61c1ab9d55d3p-2, -0x1.95a37debb0f64p-56}, {0x1.65e77fd098172p+1, 0x1.4d16d2eebbdf3p-53}},
    {{0x1.720278094cd3cp-2, 0x1.fa81a09cedb07p-56}, {0x1.63df664319371p+1, -0x1.24edd0e257f5ap-53}},
};

// acos(+-(1 - zc - h)) = base[0 or 1] +- (c1 h + c2 h^2 + ... + c8 h^8),
// zc = 2^e (1 + (m + 1/2)/64), e = -4..-2, m = 0..63
constexpr AcosRow kAcosBinades[] = {
    {{{0x1.6d62acb571ee7p-2, 0x1.961b7cfc19b48p-56}, {0x1.64735fad9493bp+1, 0x1.679ef391c289ep-53}}, 0x1.6e730ap+1, {-0x1.9803716d99e06p-24, -0x1.5fc8e4b1735bdp+3, 0x1.6159994cc4986p+6, -0x1.b7076cde7ce05p+9, 0x1.31341928daffp+13, -0x1.c67a511bb21b7p+16, 0x1.626ea9a332bfdp+20, -0x1.1dce4fd981ba2p+24}},
    {{{0x1.703cd8ade4683p-2, -0x1.8bb86dc617f01p-57}, {0x1.64181a2e86448p+1, -0x1.338857c963024p-55}}, 0x1.6bbba4p+1, {0x1.c7324934fd33dp-25, -0x1.57a9385125301p+3, 0x1.53fe91f4bbbbcp+6, -0x1.9ffe7bc8b5701p+9, 0x1.1cc75e027747ap+13, -0x1.a1979ad5f7d45p+16, 0x1.40b228caea9f2p+20, -0x1.fd4f124819d43p+23}},
    {{{0x1.7311a5e774e4cp-2, -0x1.95da2850b626p-58}, {0x1.63bd80875434fp+1, -0x1.b1dd9718691ccp-54}}, 0x1.69143p+1, {0x1.41ded8cdb893cp-25, -0x1.4fd791c6749bdp+3, 0x1.47559d25c2c5bp+6, -0x1.8a7d4e7ebbfa3p+9, 0x1.09fff2d4a30fdp+13, -0x1.803149c69355p+16, 0x1.229c5b9414698p+20, -0x1.c6973b300f379p+23}},
    {{{0x1.75e133aa15b27p-2, 0x1.74480c3ec68dap-56}, {0x1.63638ecf001b3p+1, 0x1.6bd961a96ceecp-53}}, 0x1.667c14p+1, {0x1.b1911359b7215p-24, -0x1.484fe85b98172p+3, 0x1.3b52fc2e1db88p+6, -0x1.76648d98405f5p+9, 0x1.f16c9d532525ep+12, -0x1.61e77647cf368p+16, 0x1.07bc414dca38cp+20, -0x1.9670abfe9c605p+23}},
    {{{0x1.78aba015ae18p-2, -0x1.af6b2e8f862acp-56}, {0x1.630a41418d0e8p+1, 0x1.504fc9033685cp-53}}, 0x1.63f2c2p+1, {-0x1.f9b51caf1e51cp-27, -0x1.410e76fac5087p+3, 0x1.2febdf30a6d05p+6, -0x1.6397cd48b33b4p+9, 0x1.d18e41567e6f4p+12, -0x1.4665bc7c92591p+16, 0x1.df5fcdc20134bp+19, -0x1.6bfd06ed8c821p+23}},
    {{{0x1.7b71083130726p-2, -0x1.21f3e9d206d4ep-56}, {0x1.62b1943e1cc34p+1, -0x1.c15f1f947964fp-53}}, 0x1.6177aep+1, {0x1.0ff43a322f902p-24, -0x1.3a0fb6d8bcc27p+3, 0x1.25164f0b955aep+6, -0x1.51fd3e2338cd8p+9, 0x1.b4259eae826e4p+12, -0x1.2d61b64c59645p+16, 0x1.b4446eafa7dc8p+19, -0x1.467dfc839eebdp+23}},
    {{{0x1.7e3187f8b6ff3p-2, 0x1.3db9384ba3ecap-57}, {0x1.625984452bf1ap+1, -0x1.e5e4c14dd1f97p-55}}, 0x1.5f0a58p+1, {0x1.872b9f93dbc61p-24, -0x1.33505a9cd0f29p+3, 0x1.1ac91992ba35ap+6, -0x1.417d6740e750bp+9, 0x1.98fa113f91d65p+12, -0x1.1699ad9e1a70cp+16, 0x1.8d924843f3268p+19, -0x1.25504d998c39ap+23}},
    {{{0x1.80ed3a6abab7p-2, 0x1.cd7781d30ba88p-61}, {0x1.62020df6eb7aap+1, 0x1.1894ebaf72b4cp-53}}, 0x1.5caa44p+1, {0x1.d86ff0af20325p-24, -0x1.2ccd49f941c68p+3, 0x1.10fbbfd72644bp+6, -0x1.3202e88fb9083p+9, 0x1.7fd8c119eababp+12, -0x1.01d37e0ec702ep+16, 0x1.6ac82caadc734p+19, -0x1.07e7a2c95f5f3p+23}},
    {{{0x1.83a4399475da5p-2, 0x1.c890aca52886fp-65}, {0x1.61ab2e11b4164p+1, -0x1.65ba25d984922p-53}}, 0x1.5a56fep+1, {-0x1.4c5e2e06fa5fep-24, -0x1.26839da86063dp+3, 0x1.07a6663f4470ap+6, -0x1.237a443d3b646p+9, 0x1.6893f8a3b5367p+12, -0x1.ddb73dadd15b8p+15, 0x1.4b75399e705a9p+19, -0x1.db96269b05ea6p+22}},
    {{{0x1.86569e9d82407p-2, -0x1.c70832c4795d9p-56}, {0x1.6154e17092897p+1, 0x1.d3436989d4ec2p-53}}, 0x1.581012p+1, {0x1.39e5b559a4c2dp-29, -0x1.20709bc436173p+3, 0x1.fd838c747a5fep+5, -0x1.15d1ae55c8cdfp+9, 0x1.53029031587d3p+12, -0x1.bb089d8dc5d6bp+15, 0x1.2f369a7898203p+19, -0x1.ad2478fdd4cbfp+22}},
    {{{0x1.890481d2c20cp-2, -0x1.76d38b1351c02p-58}, {0x1.60ff2509ea9p+1, 0x1.2618ff89e04e7p-53}}, 0x1.55d518p+1, {0x1.79ef903700c62p-26, -0x1.1a91b46f9afa2p+3, 0x1.ec8e42c05f291p+5, -0x1.08f8e1d123aefp+9, 0x1.3eff6c1903c5dp+12, -0x1.9b49ba7ea1b47p+15, 0x1.15b59fa029d5dp+19, -0x1.83c5a1bd78146p+22}},
    {{{0x1.8badfab0a0243p-2, 0x1.6f5c5730188f6p-56}, {0x1.60a9f5ee2ecdp+1, -0x1.27124f697aa3p-54}}, 0x1.53a5aap+1, {0x1.2d86d5ddcc9d6p-27, -0x1.14e47ec8abbd5p+3, 0x1.dc606bad2a80fp+5, -0x1.f9c1f4c10c0e8p+8, 0x1.2c690abead8aap+12, -0x1.7e3217b9aac22p+15, 0x1.fd4c3b6488725p+18, -0x1.5edd14686016dp+22}},
    {{{0x1.8e531fecb4aa9p-2, -0x1.d3ea7c237d8bdp-56}, {0x1.60555146ac3c3p+1, 0x1.a9bf656b6ae3dp-54}}, 0x1.518166p+1, {0x1.2dba8cef75936p-24, -0x1.0f66b61d72e84p+3, 0x1.ccee67aa4d7f6p+5, -0x1.e2f8a4d2dd4efp+8, 0x1.1b212074337d7p+12, -0x1.63810a7943f47p+15, 0x1.d38a1234a3a52p+18, -0x1.3de2dbfd3279ap+22}},
    {{{0x1.90f4077ed89dp-2, 0x1.ab35c05ffda1fp-56}, {0x1.6001345467bdep+1, 0x1.c9f7564a8c186p-54}}, 0x1.4f67f2p+1, {-0x1.ec64ac509c1d9p-24, -0x1.0a16375c62922p+3, 0x1.be2d6857d43e1p+5, -0x1.cd7cc9588f35dp+8, 0x1.0b0c3f58cbde1p+12, -0x1.4afccb9ef7205p+15, 0x1.adae8962a0b61p+18, -0x1.2060acf8f744cp+22}},
    {{{0x1.9390c6a9b2e4fp-2, -0x1.d757b781c36eap-58}, {0x1.5fad9c6f0c74ep+1, 0x1.a91d20ed53dbep-53}}, 0x1.4d58fp+1, {0x1.c14dc014706efp-24, -0x1.04f0febaec135p+3, 0x1.b0135f5dae436p+5, -0x1.b937624df0897p+8, 0x1.f823134c3c103p+11, -0x1.3471a852c8bc2p+15, 0x1.8b5137191a3fcp+18, -0x1.05ef69efdc3a3p+22}},
    {{{0x1.96297202c838fp-2, 0x1.1c6d3743b9c3dp-56}, {0x1.5f5a8703e9ca6p+1, 0x1.76d4bc48ce87fp-53}}, 0x1.4b5412p+1, {-0x1.0af71185353c9p-24, -0x1.ffea4b1a3d4c6p+2, 0x1.a296eedd8069ep+5, -0x1.a61349a404ca8p+8, 0x1.dc34da24548d5p+11, -0x1.1fb14d4129906p+15, 0x1.6c15beda7b3cdp+18, -0x1.dc6a100d16d03p+21}},
    {{{0x1.98be1d7a16764p-2, 0x1.34822f9bb8d89p-56}, {0x1.5f07f1950002cp+1, -0x1.0c2de2c2315aap-53}}, 0x1.495902p+1, {-0x1.79a013abc484bp-27, -0x1.f641c0937e32cp+2, 0x1.95af5b540e058p+5, -0x1.93fd07c6944aap+8, 0x1.c224cc3ab3983p+11, -0x1.0c9228c51b777p+15, 0x1.4faa4ca49598cp+18, -0x1.b1c587b884e69p+21}},
    {{{0x1.9b4edc6143613p-2, 0x1.170a479048f9ap-56}, {0x1.5eb5d9b81a656p+1, -0x1.10fdcb8186bd9p-54}}, 0x1.476774p+1, {0x1.7187141157a55p-24, -0x1.ece4f96d87e19p+2, 0x1.89547ec43cc4ep+5, -0x1.82e2ac98db007p+8, 0x1.a9cd949a0a4a5p+11, -0x1.f5ddc1b28bc9ap+14, 0x1.35c6451da82c7p+18, -0x1.8b67343243df1p+21}},
    {{{0x1.9ddbc172661cfp-2, 0x1.0c4d0a4afc1e2p-57}, {0x1.5e643d15f60dep+1, 0x1.899d928c95fe9p-53}}, 0x1.457f2p+1, {-0x1.cae09f1089411p-26, -0x1.e3d0c0751945dp+2, 0x1.7d7ebd0a0c648p+5, -0x1.72b3ac67b289dp+8, 0x1.930d30eb442eap+11, -0x1.d54bb442cda81p+14, 0x1.1e292305b57f6p+18, -0x1.68d5f1fb1c589p+21}},
    {{{0x1.a064ded672167p-2, -0x1.a73c8558a59bep-59}, {0x1.5e131969748ebp+1, 0x1.a0ff5546a856ep-53}}, 0x1.439fbcp+1, {0x1.7dd1df56a67fap-28, -0x1.db020c9d1386ap+2, 0x1.7226f937a6a13p+5, -0x1.6360c05fa2735p+8, 0x1.7dc49cab1f53cp+11, -0x1.b7319b832197fp+14, 0x1.08997b5e1aba2p+18, -0x1.49a7442c39bd7p+21}},
    {{{0x1.a2ea462b4998ep-2, -0x1.51d494caa9d7p-56}, {0x1.5dc26c7ed99e7p+1, -0x1.bb630a356504bp-53}}, 0x1.41c906p+1, {-0x1.128df15532c17p-24, -0x1.d275fe20c0c95p+2, 0x1.67468be1ff8b4p+5, -0x1.54dbca232961fp+8, 0x1.69d785b5d9bc9p+11, -0x1.9b58d81a3a2b4p+14, 0x1.e9c845797f0fp+17, -0x1.2d7d695bf0782p+21}},
    {{{0x1.a56c08897dc8p-2, 0x1.d424653a88bd7p-56}, {0x1.5d72343313188p+1, 0x1.bfbbad13e9518p-54}}, 0x1.3ffabap+1, {0x1.82ac4a5cc95c4p-24, -0x1.ca29dbddbc33fp+2, 0x1.5cd73a456a671p+5, -0x1.4717ba29a1882p+8, 0x1.572c09096e19fp+11, -0x1.819014bd6725cp+14, 0x1.c5b6de3217ab2p+17, -0x1.1405b59d79b37p+21}},
    {{{0x1.a7ea3689c14dbp-2, 0x1.c73704226b4f1p-56}, {0x1.5d226e730aa7dp+1, -0x1.3d08faa60f52fp-54}}, 0x1.3e349ep+1, {-0x1.661d5c0935deep-24, -0x1.c21b10e0abc5ap+2, 0x1.52d32e2d194b1p+5, -0x1.3a0878999e0f1p+8, 0x1.45aa76c44d653p+11, -0x1.69aab54ecce69p+14, 0x1.a4ad242ce5a2p+17, -0x1.f9ee4e7288569p+20}},
    {{{0x1.aa64e04a12a11p-2, 0x1.0f54077612093p-56}, {0x1.5cd3193b007d6p+1, 0x1.e1df890a0dfd2p-55}}, 0x1.3c767p+1, {0x1.fd0b4022982b4p-24, -0x1.ba472a2073e5p+2, 0x1.4934ee8ac16b5p+5, -0x1.2da2d05abec31p+8, 0x1.353d1c86b86abp+11, -0x1.538056ecc0d39p+14, 0x1.866210d1b9df9p+17, -0x1.d0225ac78eca6p+20}},
    {{{0x1.acdc1572a2729p-2, 0x1.72b7d4544f453p-56}, {0x1.5c843295ee833p+1, 0x1.b02da29aef5f2p-55}}, 0x1.3abffcp+1, {0x1.e0410c48566afp-27, -0x1.b2abd463f70dfp+2, 0x1.3ff758ad9d8cp+5, -0x1.21dc5c22ebc84p+8, 0x1.25d015789c4b7p+11, -0x1.3eec5eccf8c69p+14, 0x1.6a9436df0025bp+17, -0x1.aa353332f576dp+20}},
    {{{0x1.af4fe53a7a717p-2, -0x1.8ef4382d06b45p-56}, {0x1.5c35b89cf3835p+1, 0x1.cc40ea36e697p-53}}, 0x1.391108p+1, {-0x1.90ff5862d0b6dp-24, -0x1.ab46da4ed344ap+2, 0x1.37159a09cc1d9p+5, -0x1.16ab7549dd911p+8, 0x1.17511f4dc83c4p+11, -0x1.2bcd96090743cp+14, 0x1.5108e51da9ffcp+17, -0x1.87c16ad8c9e1fp+20}},
    {{{0x1.b1c05e6be8517p-2, 0x1.374e84b1fe554p-57}, {0x1.5be7a976c5c75p+1, 0x1.86ed7ae625db2p-53}}, 0x1.37695cp+1, {0x1.fc7d4aeb01b2bp-24, -0x1.a4162291e43b9p+2, 0x1.2e8b2a829689ap+5, -0x1.0c072433e8ec9p+8, 0x1.09af73b707988p+11, -0x1.1a05d0c188bfap+14, 0x1.398b645b5a3b9p+17, -0x1.686cef0a0aa73p+20}},
    {{{0x1.b42d8f68b0b15p-2, -0x1.aed204d04566p-60}, {0x1.5b9a03572cbb6p+1, -0x1.623ff8c519b4cp-53}}, 0x1.35c8cap+1, {0x1.8c0418cd6858bp-26, -0x1.9d17ae3c9d8c4p+2, 0x1.2653c72b91b84p+5, -0x1.01e7122a59c54p+8, 0x1.f9b74b8133d2bp+10, -0x1.09799f341df92p+14, 0x1.23ec4d0d6a327p+17, -0x1.4be7a6cb1b61ap+20}},
    {{{0x1.b697862e0d3e3p-2, 0x1.d348e7a9f4812p-60}, {0x1.5b4cc47e8129cp+1, -0x1.a510ba7838a25p-55}}, 0x1.342f1ep+1, {-0x1.f43d21f0afbcep-25, -0x1.9649972c94ff9p+2, 0x1.1e6b6d75c2694p+5, -0x1.f086f8f8a5a1ep+7, 0x1.e18f055c20f5cp+10, -0x1.f4200f1e790c6p+13, 0x1.1000f1827270dp+17, -0x1.31ea4054d61e8p+20}},
    {{{0x1.b8fe50587936cp-2, 0x1.b37dfe3f3378dp-59}, {0x1.5affeb3933aabp+1, -0x1.d8d7298f6e1afp-54}}, 0x1.329c28p+1, {-0x1.02dc6e22a7363p-24, -0x1.8faa0e98d28bfp+2, 0x1.16ce56bf07861p+5, -0x1.de2a518e85fc5p+7, 0x1.cacbebe239626p+10, -0x1.d7648eee5e056p+13, 0x1.fb45b3eeabbabp+16, -0x1.1a35262732fd1p+20}},
    {{{0x1.bb61fb274f36fp-2, -0x1.d2b3624ce30dbp-59}, {0x1.5ab375df58eaap+1, 0x1.a1ad30ba794cap-53}}, 0x1.310fbap+1, {0x1.d05083a1f5b9dp-25, -0x1.89375bb6b32a5p+2, 0x1.0f78f43b054c9p+5, -0x1.ccaab4933bafp+7, 0x1.b555dfc939974p+10, -0x1.bc9738a49ed91p+13, 0x1.d95ea0871b6fbp+16, -0x1.048f9637b3d93p+20}},
    {{{0x1.bdc293803b032p-2, -0x1.50f5390859b3cp-56}, {0x1.5a6762d43b712p+1, 0x1.1204294943dbap-55}}, 0x1.2f89aap+1, {0x1.85ed7e71926b5p-25, -0x1.82efda765d9bbp+2, 0x1.0867eb2da9c8bp+5, -0x1.bbfb904b6541p+7, 0x1.a1169dfee8df3p+10, -0x1.a3922320dade5p+13, 0x1.ba0df24275fdep+16, -0x1.e18dad25a7632p+19}},
    {{{0x1.c02025f281da1p-2, 0x1.8877b95ff0efap-60}, {0x1.5a1bb085f2964p+1, 0x1.2ea2e77d0bbd2p-54}}, 0x1.2e09ccp+1, {0x1.bdf86c1b7cfcbp-24, -0x1.7cd1fa54f54adp+2, 0x1.0198117028be9p+5, -0x1.ac1128fa99608p+7, 0x1.8df9967760a36p+10, -0x1.8c32a8764744p+13, 0x1.9d1af2b4fa702p+16, -0x1.bd5b06e9eaae9p+19}},
    {{{0x1.c27abeba23a9bp-2, 0x1.f7177dc836a84p-57}, {0x1.59d05d6cfe5c5p+1, -0x1.0a1e29567b543p-54}}, 0x1.2c8ffap+1, {-0x1.e8043c15fccf7p-24, -0x1.76dc3d42e0242p+2, 0x1.f60cd473fb68cp+4, -0x1.9ce088a28536cp+7, 0x1.7bebc6ec8c07ap+10, -0x1.7659166663f2dp+13, 0x1.82524ac12323cp+16, -0x1.9c35e6e3d0815p+19}},
    {{{0x1.c4d269c2d75a1p-2, -0x1.507aed9cc8914p-58}, {0x1.5985680be7e64p+1, 0x1.49cc753c5809fp-54}}, 0x1.2b1c08p+1, {-0x1.05a8033e1cd58p-24, -0x1.710d369c9904bp+2, 0x1.e9604650414b2p+4, -0x1.8e5f70249737cp+7, 0x1.6adb99253238ep+10, -0x1.61e8672492f1ap+13, 0x1.698574079cc1fp+16, -0x1.7dd55d7ccad7bp+19}},
    {{{0x1.c72732aae43d5p-2, 0x1.fbcc99b011a1p-56}, {0x1.593aceeee649ep+1, -0x1.a5173004bc73bp-53}}, 0x1.29add2p+1, {0x1.5c368dad81d33p-26, -0x1.6b638a34a9a55p+2, 0x1.dd2522fa4e863p+4, -0x1.808449a4c8c1ap+7, 0x1.5ab8c465ddb6p+10, -0x1.4ec60172f53dep+13, 0x1.528a3a5deaff8p+16, -0x1.61f7ee30eb128p+19}},
    {{{0x1.c97924c5da914p-2, -0x1.59de648c22a26p-56}, {0x1.58f090ab877f6p+1, -0x1.74c3a07a6bd69p-54}}, 0x1.284534p+1, {0x1.91865db719ce6p-25, -0x1.65ddeb6d85083p+2, 0x1.d1565f2b169dbp+4, -0x1.73461c0f8bdd1p+7, 0x1.4b7431b87b50bp+10, -0x1.3cd97f4613348p+13, 0x1.3d3a4b5b4eba4p+16, -0x1.4862bc4afe4a3p+19}},
    {{{0x1.cbc84b1f2cdddp-2, 0x1.4250c8c6306dp-56}, {0x1.58a6abe05d35dp+1, -0x1.8de7b5e7804d3p-53}}, 0x1.26e20ap+1, {0x1.747efa31617d7p-24, -0x1.607b1c6216c27p+2, 0x1.c5ef351780999p+4, -0x1.669c7fa7f29bfp+7, 0x1.3cffe2c0cdc0ap+10, -0x1.2c0c7a362fb21p+13, 0x1.2972d24bc0539p+16, -0x1.30e0d0d28426ap+19}},
    {{{0x1.ce14b07cabe18p-2, 0x1.20beb991978a8p-57}, {0x1.585d1f34ad555p+1, 0x1.085677982c47cp-53}}, 0x1.258432p+1, {0x1.ed02524309bbp-24, -0x1.5b39ed1bf4446p+2, 0x1.baeb201051c3bp+4, -0x1.5a7f9385ded7dp+7, 0x1.2f4edadbf8a89p+10, -0x1.1c4a5d1b3a35ep+13, 0x1.17141f1037f9fp+16, -0x1.1b427674adaap+19}},
    {{{0x1.d05e5f60e69d3p-2, 0x1.f66a87818c517p-57}, {0x1.5813e95825fdep+1, -0x1.0a088a8da6095p-54}}, 0x1.242b8cp+1, {0x1.7ab52a8710dc9p-28, -0x1.56193ad633c99p+2, 0x1.b045d872b014dp+4, -0x1.4ee7f3ee75cd6p+7, 0x1.22550a5094429p+10, -0x1.0d803a43981a4p+13, 0x1.060156a356104p+16, -0x1.075ca8a14040ap+19}},
    {{{0x1.d2a5620d6ffbdp-2, 0x1.817015b84c64cp-56}, {0x1.57cb090294d21p+1, -0x1.95cb9f85c3cc3p-53}}, 0x1.22d7f6p+1, {0x1.2c53210ddd962p-28, -0x1.5117ef4c01142p+2, 0x1.a5fb4fe2b9fb5p+4, -0x1.43ceb1733c4eap+7, 0x1.16073b5b110e7p+10, -0x1.ff394b8da2a8bp+12, 0x1.ec405845bec71p+15, -0x1.ea1126e7b556cp+18}},
    {{{0x1.d4e9c2850b77bp-2, 0x1.8878a265ac438p-56}, {0x1.57827cf3a1629p+1, -0x1.2d596236df9p-54}}, 0x1.218952p+1, {0x1.d305a7bf5b8d4p-28, -0x1.4c3500121abb2p+2, 0x1.9c07adca46252p+4, -0x1.392d48c62debap+7, 0x1.0a5b00e7cbf93p+10, -0x1.e51f2707cbf7p+12, 0x1.ceb142c4b0784p+15, -0x1.c84644a837f68p+18}},
    {{{0x1.d72b8a8dc20b1p-2, 0x1.1f2effb0c0897p-56}, {0x1.573a43f28a902p+1, 0x1.d9f20cecb6bdp-55}}, 0x1.203f82p+1, {0x1.fd350c86ff90ap-26, -0x1.476f6dfa73cdfp+2, 0x1.92674c16645c4p+4, -0x1.2efd9b32da693p+7, 0x1.fe8d4da24e4cfp+9, -0x1.cc9470cfedfffp+12, 0x1.b3299c543f3efp+15, -0x1.a91936fb393cfp+18}},
    {{{0x1.d96ac3b2e0a4cp-2, -0x1.9a15eaf130461p-56}, {0x1.56f25ccde6bcfp+1, -0x1.64b5bee1286dap-54}}, 0x1.1efa6ap+1, {-0x1.15d30acf5707cp-25, -0x1.42c64481450a1p+2, 0x1.8916b42eb1e62p+4, -0x1.2539e7ae1f349p+7, 0x1.e98246f8bc638p+9, -0x1.b57ddd4a77738p+12, 0x1.99815ac2d89afp+15, -0x1.8c508dba7ef94p+18}},
    {{{0x1.dba77746e1469p-2, -0x1.8e9cf69b9b606p-56}, {0x1.56aac65b66a8bp+1, 0x1.986c04097258fp-54}}, 0x1.1db9ecp+1, {0x1.1957aaf1c9457p-24, -0x1.3e389942e7041p+2, 0x1.80129c2201894p+4, -0x1.1bdcc46f738bdp+7, 0x1.d584156760521p+9, -0x1.9fc2391858e44p+12, 0x1.8193def2119b7p+15, -0x1.71b83dcb22c36p+18}},
    {{{0x1.dde1ae653fe28p-2, -0x1.049f14d75783cp-56}, {0x1.56637f779ad53p+1, 0x1.3af645cc30b0ep-53}}, 0x1.1c7dfp+1, {-0x1.5c1ebc9726c68p-25, -0x1.39c58b79db89dp+2, 0x1.7757e4043a9fp+4, -0x1.12e11907fa714p+7, 0x1.c283033fda3e3p+9, -0x1.8b4a3b830afebp+12, 0x1.6b3fa3023f063p+15, -0x1.59211451e3b6ap+18}},
    {{{0x1.e01971f43bfap-2, -0x1.e6c3be2d0db11p-56}, {0x1.561c8705bb524p+1, 0x1.573adaf6e7769p-53}}, 0x1.1b4658p+1, {0x1.bd148d0692f8ep-24, -0x1.356c43847853p+2, 0x1.6ee39379ac7a6p+4, -0x1.0a4218eca952cp+7, 0x1.b070678d0cdd1p+9, -0x1.78005d26ecdc6p+12, 0x1.5665f0cc7ac1bp+15, -0x1.4260395e486bdp+18}},
    {{{0x1.e24ecaa687f46p-2, 0x1.61fda0e5dd9adp-60}, {0x1.55d5dbef71d3p+1, -0x1.e861981085facp-53}}, 0x1.1a130ep+1, {0x1.9f76b049f2407p-24, -0x1.312bf271afe03p+2, 0x1.66b2d76c64e81p+4, -0x1.01fb3e69d12f1p+7, 0x1.9f3e91e7f6bacp+9, -0x1.65d0b26e2e47fp+12, 0x1.42ea9fc288b64p+15, -0x1.2d4ec03b15f0cp+18}},
    {{{0x1.e481c0fce7134p-2, 0x1.c9bcb7ab7132bp-61}, {0x1.558f7d24a5ef2p+1, -0x1.ceceb30ccb619p-54}}, 0x1.18e3f8p+1, {0x1.d356ce9a0fe09p-24, -0x1.2d03d1947f4b4p+2, 0x1.5ec2ffe862795p+4, -0x1.f4108bee7a3dep+6, 0x1.8ee0b7f9d3f77p+9, -0x1.54a8c97a6eb0fp+12, 0x1.30b3d96747bdcp+15, -0x1.19c943cce703ap+18}},
    {{{0x1.e6b25d47badd6p-2, 0x1.0f3e63499cc71p-56}, {0x1.5549699b4b75dp+1, 0x1.f87a96c812279p-53}}, 0x1.17b9p+1, {-0x1.479f8d166d72fp-24, -0x1.28f3221d90dcdp+2, 0x1.57117e1bbe6c3p+4, -0x1.e4ca53c9ce9e9p+6, 0x1.7f4ae4846d9b4p+9, -0x1.44778b25c9976p+12, 0x1.1fa9e3aa30a2bp+15, -0x1.07af8d9a3a0cdp+18}},
    {{{0x1.e8e0a7a880cdap-2, -0x1.3a77444b823bcp-56}, {0x1.5503a04f32b7dp+1, 0x1.06c52eead81f9p-55}}, 0x1.16920cp+1, {-0x1.dbaeea9987dcfp-24, -0x1.24f92cbaab885p+2, 0x1.4f9be27827083p+4, -0x1.d61c3cb1fe4b3p+6, 0x1.7071e7cd59c3bp+9, -0x1.352d1ecd60b2dp+12, 0x1.0fb6f0854864ep+15, -0x1.edc88c8862b16p+17}},
    {{{0x1.eb0ca81341065p-2, 0x1.fcb6095352017p-56}, {0x1.54be2041dab0cp+1, -0x1.a5345df9247fcp-53}}, 0x1.156f06p+1, {-0x1.574c3468ae831p-25, -0x1.2115413b8f126p+2, 0x1.485fdaf33ac84p+4, -0x1.c7ff1b3145565p+6, 0x1.624b494c648d1p+9, -0x1.26bad09fb97b8p+12, 0x1.00c6f24f3ed79p+15, -0x1.ce995cbad896ap+17}},
    {{{0x1.ed36664feec09p-2, -0x1.6ac938dd7a3f1p-56}, {0x1.5478e87a44f97p+1, 0x1.8f771499ea10ap-54}}, 0x1.144fdap+1, {-0x1.20cd445b92541p-24, -0x1.1d46b63be3a71p+2, 0x1.415b31638731bp+4, -0x1.ba6c292a88cb8p+6, 0x1.54cd3a8070b5cp+9, -0x1.1912fa30987edp+12, 0x1.e58ee88718928p+14, -0x1.b1a0bd5b37088p+17}},
    {{{0x1.ef5de9fbbb21ep-2, -0x1.67cf9bf81954bp-56}, {0x1.5433f804cb6d5p+1, -0x1.b8a3a94fb715p-53}}, 0x1.133472p+1, {-0x1.582ba68c98b6dp-24, -0x1.198ce8d1ea166p+2, 0x1.3a8bc9f81c458p+4, -0x1.ad5cff727e5b3p+6, 0x1.47ee8ad0e32fcp+9, -0x1.0c28ed1a8625fp+12, 0x1.cb4eeda11383bp+14, -0x1.96b21e1ad38bep+17}},
    {{{0x1.f1833a8a5b1cfp-2, 0x1.7e87722ea02cdp-56}, {0x1.53ef4df2f76dep+1, 0x1.6a9174eb71badp-53}}, 0x1.121cb8p+1, {0x1.d0d0cf3f37012p-24, -0x1.15e73c419fda8p+2, 0x1.33efa1c8cf76cp+4, -0x1.a0cb8fdd29c4bp+6, 0x1.3ba69c642770bp+9, -0x1.ffe1bef7df74ap+11, 0x1.b2ae9e8fede25p+14, -0x1.7da4c63f37852p+17}},
    {{{0x1.f3a65f4740f5bp-2, 0x1.42a6d3471aeep-57}, {0x1.53aae95b5ab2dp+1, -0x1.e720280cafb9cp-55}}, 0x1.11089cp+1, {0x1.6082ba6eaf829p-25, -0x1.125519b40f815p+2, 0x1.2d84cd7d6f643p+4, -0x1.94b21fb688e3cp+6, 0x1.2fed59d6137ffp+9, -0x1.e8bfb445f5394p+11, 0x1.9b911532bc2f6p+14, -0x1.66537884c0dd8p+17}},
    {{{0x1.f5c75f56c9fa7p-2, -0x1.3a30b2158b2c6p-57}, {0x1.5366c95969923p+1, 0x1.ae056e529e733p-53}}, 0x1.0ff808p+1, {0x1.888381b35f5bbp-25, -0x1.0ed5eff28b17ep+2, 0x1.2749780a4c938p+4, -0x1.890b429e1159ap+6, 0x1.24bb2cbaf1c62p+9, -0x1.d2d7507f646e9p+11, 0x1.85dba58ef11adp+14, -0x1.509c204e3e071p+17}},
    {{{0x1.f7e641b760fc4p-2, 0x1.b3c23998e460bp-58}, {0x1.5322ed0d56b2p+1, -0x1.e6775d3702c53p-54}}, 0x1.0eeaeap+1, {0x1.4fe2ae1ee61e1p-25, -0x1.0b69332592db4p+2, 0x1.213be1809b6f9p+4, -0x1.7dd1d5bd59edep+6, 0x1.1a08f4ddc1cfcp+9, -0x1.be1590f0983f1p+11, 0x1.7175ada48ea8ap+14, -0x1.3c5f871ff9fdcp+17}},
    {{{0x1.fa030d4296085p-2, -0x1.dfaa77893cf69p-57}, {0x1.52df539bf0108p+1, -0x1.47a2f55626703p-53}}, 0x1.0de13p+1, {0x1.1e5e9bc3b3722p-29, -0x1.080e5c972eb68p+2, 0x1.1b5a5df1510d6p+4, -0x1.7300fb52efdf1p+6, 0x1.0fd00029de364p+9, -0x1.aa68be7dbfd96p+11, 0x1.5e4869ae4c5dbp+14, -0x1.298111825b8dp+17}},
    {{{0x1.fc1dc8ae2bdd6p-2, -0x1.beb72986ec5fep-56}, {0x1.529bfc2e7d55ep+1, -0x1.adc6b79ddcb39p-53}}, 0x1.0cdac8p+1, {-0x1.8a6ce3229e63ap-26, -0x1.04c4ea78850a5p+2, 0x1.15a35461370a9p+4, -0x1.6894168aef2cdp+6, 0x1.060a0331a9ab8p+9, -0x1.97c054965d22bp+11, 0x1.4c3ecc5da83b9p+14, -0x1.17e682824913dp+17}},
    {{{0x1.fe367a8d1b92dp-2, -0x1.ceceb6fb708d3p-60}, {0x1.5258e5f29f5f3p+1, -0x1.61ffff60c35e7p-53}}, 0x1.0bd7ap+1, {0x1.1a49f1c980c61p-24, -0x1.018c5faa7cdfp+2, 0x1.10153dcd0b654p+4, -0x1.5e86c79f7de7ep+6, 0x1.f962248a6842bp+8, -0x1.860cea3bf5bb9p+11, 0x1.3b455aaeba2b4p+14, -0x1.0777c51c67149p+17}},
    {{{0x1.002694a8476fdp-1, 0x1.3492ce1da3adap-56}, {0x1.5216101a30f59p+1, -0x1.85fed24dd6a8ep-58}}, 0x1.0ad7aap+1, {-0x1.ab3ff5f4cb218p-25, -0x1.fcc887127a035p+1, 0x1.0aaea43c97ae5p+4, -0x1.54d4e83bc729fp+6, 0x1.e77f3619ee369p+8, -0x1.75401cec189c1p+11, 0x1.2b4a0afa2b83ep+14, -0x1.f03d75e8d7744p+16}},
    {{{0x1.0130eda468b53p-1, -0x1.5ca0eafd20243p-56}, {0x1.51d379db28a44p+1, -0x1.ba097f6f163b1p-53}}, 0x1.09dad2p+1, {0x1.655abd65ecd37p-24, -0x1.f6984374b9554p+1, 0x1.056e21e3bfa12p+4, -0x1.4b7a881c83b84p+6, 0x1.d660bd3bb1bc2p+8, -0x1.654c7d428e697p+11, 0x1.1c3c26f50fd88p+14, -0x1.d38e1f96fb67ap+16}},
    {{{0x1.023a4b531cc2ep-1, -0x1.d0c4f30d2ddcap-55}, {0x1.5191226f7ba0dp+1, -0x1.c5b1802dbb21bp-55}}, 0x1.08e10cp+1, {0x1.1e034759856fdp-26, -0x1.f08713fb3a608p+1, 0x1.005260509a1f2p+4, -0x1.4273e9e9858ffp+6, 0x1.c5fcd7f938f22p+8, -0x1.56257d2cb2f5ap+11, 0x1.0e0c3056ad21bp+14, -0x1.b8bc22706e249p+16}},
    {{{0x1.03c68746b89ffp-1, -0x1.157daabe28e59p-55}, {0x1.512e137294a99p+1, -0x1.a03e321f30063p-53}}, 0x1.077p+1, {-0x1.fe3f515564446p-25, -0x1.e7a5baaeabd06p+1, 0x1.f1d5bc016b40bp+3, -0x1.357f4f68c0d83p+6, 0x1.aeb09ac7fe32ep+8, -0x1.40d12ff20fcfp+11, 0x1.f48a681ed0cd9p+13, -0x1.93b5a609f65bcp+16}},
    {{{0x1.05d3837a18eafp-1, -0x1.2dfb8a4db5d8bp-55}, {0x1.50aad465bc96dp+1, -0x1.9a1eba3b4cc96p-53}}, 0x1.058e1cp+1, {0x1.8af742f0eccf6p-26, -0x1.dc33b79605d8bp+1, 0x1.df014cf55f537p+3, -0x1.253e9f74c08d4p+6, 0x1.91dabf35e35eap+8, -0x1.26c59b3d4bf7p+11, 0x1.c4e330d90de42p+13, -0x1.67b35ccd86309p+16}},
    {{{0x1.07dcc733b58c8p-1, -0x1.07e96f7ef99f7p-58}, {0x1.50288377556e6p+1, 0x1.22a1aead3d8d7p-53}}, 0x1.03b774p+1, {-0x1.30941b081419bp-24, -0x1.d12fb49c931ebp+1, 0x1.cd2825995e3fep+3, -0x1.161279f60d525p+6, 0x1.7757de1e8bf03p+8, -0x1.0f30483a6e562p+11, 0x1.9a64748a10b16p+13, -0x1.410cccda3e8a2p+16}},
    {{{0x1.09e2687c8745bp-1, 0x1.d292083de779fp-58}, {0x1.4fa71b2521002p+1, -0x1.f4322d10a97b6p-53}}, 0x1.01eb9ap+1, {0x1.0fe9b8397a74cp-29, -0x1.c694008353464p+1, 0x1.bc39b138b2911p+3, -0x1.07e4bda53882dp+6, 0x1.5ef01fb970185p+8, -0x1.f39af14397817p+10, 0x1.746e8a1755ecdp+13, -0x1.1f09f691a3c15p+16}},
    {{{0x1.0be47c8cd92f7p-1, 0x1.8f73765a4136ep-55}, {0x1.4f2696210c85ap+1, 0x1.b685859ab572bp-53}}, 0x1.002a2ap+1, {0x1.a2834487925f5p-25, -0x1.bc5b498334083p+1, 0x1.ac26ac63bcf29p+3, -0x1.f542b27111874p+5, 0x1.4871a2243ae7ap+8, -0x1.ccc32136357ebp+10, 0x1.52770d9dc47f9p+13, -0x1.010dbf92e3851p+16}},
    {{{0x1.0de317d6ed8a1p-1, -0x1.34d06b03bd4bbp-55}, {0x1.4ea6ef4e876fp+1, 0x1.9e59f7c8d44d7p-55}}, 0x1.fce588p+0, {0x1.bb47554e62dfep-27, -0x1.b28095c4d636fp+1, 0x1.9ce105b94f1bp+3, -0x1.dc6c26d8bf638p+5, 0x1.33afc3695ad5p+8, -0x1.a9700662216cfp+10, 0x1.3405c9d74b7f6p+13, -0x1.cd23676ff991cp+15}},
    {{{0x1.0fde4e10f28f6p-1, -0x1.5a13e16a03bdfp-56}, {0x1.4e2821c0062dbp+1, -0x1.74b64142f38fap-54}}, 0x1.f98a16p+0, {0x1.d45652e60b4b1p-25, -0x1.a8ff3c898a075p+1, 0x1.8e5bc1f939292p+3, -0x1.c524b3595be0ap+5, 0x1.2082837149c04p+8, -0x1.8944cd05582bp+10, 0x1.18b21d7ed7697p+13, -0x1.9e44fc1f80c2cp+15}},
    {{{0x1.11d6323e54f9bp-1, -0x1.ef3f6324dba47p-56}, {0x1.4daa28b4ad932p+1, -0x1.a7b5b06a1ecbp-53}}, 0x1.f64152p+0, {0x1.3cbcac8ff2949p-25, -0x1.9fd2dff2fb3e3p+1, 0x1.808ae2fd12a13p+3, -0x1.af4e2903d05cfp+5, 0x1.0ec5fa71590c8p+8, -0x1.6bef53021ab23p+10, 0x1.0020c7d8c8ca2p+13, -0x1.74b9f14d18fb7p+15}},
    {{{0x1.13cad6b87cb1cp-1, -0x1.31061b62679f4p-56}, {0x1.4d2cff9623a51p+1, 0x1.4083269d92b45p-53}}, 0x1.f30a96p+0, {-0x1.030fc491f4434p-25, -0x1.96f767593030cp+1, 0x1.736351411dbd6p+3, -0x1.9acd0206f054ap+5, 0x1.fcb3c1e52d67fp+7, -0x1.5126cc232d1afp+10, 0x1.d40416851cc4ap+12, -0x1.4fd7708e26458p+15}},
    {{{0x1.15bc4d36fefb1p-1, 0x1.174cfb506d3f5p-56}, {0x1.4cb0a1f68312cp+1, -0x1.10e78718fcef9p-58}}, 0x1.efe542p+0, {-0x1.6a81ea266afb1p-26, -0x1.8e68fa2061691p+1, 0x1.66dac7b228b3cp+3, -0x1.87881d58a7602p+5, 0x1.de424df93c453p+7, -0x1.38aa968b6f28ap+10, 0x1.ac202f65aaad6p+12, -0x1.2f09fcd92c19cp+15}},
    {{{0x1.17aaa6d750749p-1, -0x1.edf399c184b86p-56}, {0x1.4c350b8e6eb46p+1, 0x1.608359a5d95dfp-55}}, 0x1.ecd0cp+0, {0x1.463bb4553603ep-25, -0x1.8623fb01d5431p+1, 0x1.5ae7c17ecbf5cp+3, -0x1.7568820a0bc99p+5, 0x1.c203309db0393p+7, -0x1.2241381a75ffdp+10, 0x1.881b6312a27eep+12, -0x1.11d1ff5c43657p+15}},
    {{{0x1.1995f424005dcp-1, -0x1.cbaae01499643p-55}, {0x1.4bba383b42ba1p+1, 0x1.8d4d1b366c198p-53}}, 0x1.e9cc84p+0, {-0x1.ead70792be98p-25, -0x1.7e2503bc5b7acp+1, 0x1.4f8169b29192bp+3, -0x1.645929536b288p+5, 0x1.a7c717c41ad78p+7, -0x1.0db77eb868d39p+10, 0x1.678a161c506b4p+12, -0x1.ef81c0b1b1607p+14}},
    {{{0x1.1b7e451b85c17p-1, 0x1.079a99c498f43p-55}, {0x1.4b4023fd61612p+1, 0x1.d87bbcc01f836p-53}}, 0x1.e6d8p+0, {0x1.dca7c5d6f014cp-30, -0x1.7668e12247a6cp+1, 0x1.449f8c68a2928p+3, -0x1.5446ce86326e3p+5, 0x1.8f633a5dc8ae4p+7, -0x1.f5bf7ce25e551p+9, 0x1.4a0d9148add38p+12, -0x1.c0ed28b0e6b34p+14}},
    {{{0x1.1d63a936a66b7p-1, 0x1.1defde361d096p-56}, {0x1.4ac6caf69936ap+1, 0x1.f6a4676a821f4p-53}}, 0x1.e3f2b4p+0, {0x1.f7725e5f92543p-25, -0x1.6eec8f7be522bp+1, 0x1.3a3a8969b51dp+3, -0x1.451fc42e95141p+5, 0x1.78b0dbdc22a21p+7, -0x1.d32252267294bp+9, 0x1.2f525213f94fbp+12, -0x1.973f149a16df4p+14}},
    {{{0x1.1f462f6e7ee52p-1, -0x1.42426e8db45f1p-57}, {0x1.4a4e2968a3184p+1, -0x1.a2f2ebcbbdf34p-54}}, 0x1.e11c26p+0, {-0x1.b7a7c37c294f2p-25, -0x1.67ad37365841bp+1, 0x1.304b480e44c89p+3, -0x1.36d3cdc6cfc59p+5, 0x1.638cde6ce8ae8p+7, -0x1.b34e77608f7d6p+9, 0x1.170e9837b43b4p+12, -0x1.71e5d540e9088p+14}},
    {{{0x1.2125e642321d4p-1, 0x1.44e119a323ac8p-57}, {0x1.49d63bb3b64a3p+1, 0x1.061451971385ap-53}}, 0x1.de53dap+0, {-0x1.79c0e234246dp-25, -0x1.60a829d7bc3e8p+1, 0x1.26cb2c42bb36fp+3, -0x1.2953fd7271cf2p+5, 0x1.4fd7620b0436ap+7, -0x1.96027dd9431b6p+9, 0x1.010126f3dec36p+12, -0x1.50623405320afp+14}},
    {{{0x1.2302dbbc46d34p-1, -0x1.e4c0256bdebadp-57}, {0x1.495efe55311cbp+1, 0x1.38ae658803ac2p-53}}, 0x1.db996p+0, {-0x1.5dc61ad0848f9p-25, -0x1.59dadf320f292p+1, 0x1.1db40c8f335acp+3, -0x1.1c929549c36b2p+5, 0x1.3d736ec0c8f2ep+7, -0x1.7b03af0017196p+9, 0x1.d9e064ad35cbap+11, -0x1.3244ea1c2d274p+14}},
    {{{0x1.24dd1d77b8611p-1, 0x1.5232c2fced9e9p-58}, {0x1.48e86de654b94p+1, 0x1.fa19a32bca6f3p-58}}, 0x1.d8ec4ap+0, {0x1.9742e59a53e69p-27, -0x1.5342f2cf28518p+1, 0x1.1500290802b3ep+3, -0x1.1082ebcc95717p+5, 0x1.2c46a8b25c31ep+7, -0x1.621d495f1fc4cp+9, 0x1.b550e3f935c2ap+11, -0x1.172c776ffa53ep+14}},
    {{{0x1.26b4b8a4c00cfp-1, -0x1.22439588d3547p-58}, {0x1.4872871b12ce5p+1, -0x1.dc8b802273a4fp-53}}, 0x1.d64c32p+0, {-0x1.170d8de3744f4p-25, -0x1.4cde21908d49bp+1, 0x1.0caa230f43a6p+3, -0x1.05195320e6bc5p+5, 0x1.1c390cb845822p+7, -0x1.4b1fd5b60254ap+9, 0x1.93f8a799d108dp+11, -0x1.fd869419f9cep+13}},
    {{{0x1.2889ba0d5ba3bp-1, 0x1.681f9c6add607p-55}, {0x1.47fd46c0ebe89p+1, 0x1.c05a7c168e685p-53}}, 0x1.d3b8b2p+0, {-0x1.eef938ce1f193p-25, -0x1.46aa477e7ffc7p+1, 0x1.04acf5d24a30ep+3, -0x1.f496059a472ffp+4, 0x1.0d34b47c3dbdcp+7, -0x1.35e090ff9f24dp+9, 0x1.7586941cbb763p+11, -0x1.d17c532e75f13p+13}},
    {{{0x1.2a5c2e1995bebp-1, -0x1.e2b0645ec3f98p-55}, {0x1.4788a9bddd61ep+1, -0x1.6cf183b709413p-53}}, 0x1.d1316ap+0, {-0x1.e7932075b2cdep-25, -0x1.40a55dc217ab9p+1, 0x1.fa07dee08be9dp+2, -0x1.e01c074f2c6f3p+4, 0x1.fe4b425c96601p+6, -0x1.2238e89ce79dap+9, 0x1.59b261d8e6ce7p+11, -0x1.a9b5b8a60f9fcp+13}},
    {{{0x1.2c2c20d393c1p-1, 0x1.b10d85b1bb986p-55}, {0x1.4714ad0f5de14p+1, 0x1.5c3e0389adb4bp-54}}, 0x1.ceb5fep+0, {-0x1.c47c85767a54dp-26, -0x1.3acd78c6a0c3ep+1, 0x1.eb555572c9a91p+2, -0x1.ccb23b7a490cap+4, 0x1.e3f3180e18cb3p+6, -0x1.1006064468d81p+9, 0x1.403b90348263cp+11, -0x1.85bdfa023caf1p+13}},
    {{{0x1.2df99deb6d4b3p-1, 0x1.07a3ad3ed2957p-55}, {0x1.46a14dc9677ebp+1, 0x1.d87977e1911b1p-53}}, 0x1.cc4616p+0, {0x1.74b0a9d475242p-26, -0x1.3520c67eddf01p+1, 0x1.dd3a12ef34a21p+2, -0x1.ba478ff1be709p+4, 0x1.cb3f77cd11badp+6, -0x1.fe50d35775655p+8, 0x1.28e87b85c0334p+11, -0x1.652df46f9e27ep+13}},
    {{{0x1.2fc4b0bad0998p-1, 0x1.1f4e3592d2fb9p-61}, {0x1.462e89158eab2p+1, 0x1.194314fbb2ed7p-53}}, 0x1.c9e15ep+0, {0x1.9f5a07c40d48cp-25, -0x1.2f9d8ccb19158p+1, 0x1.cfae5e6792862p+2, -0x1.a8cc32b8afefep+4, 0x1.b411beeb404d2p+6, -0x1.df071c5193223p+8, 0x1.138590c43ceafp+11, -0x1.47aa721d6dd56p+13}},
    {{{0x1.318d64487702ep-1, -0x1.0f04f6d2c7753p-56}, {0x1.45bc5c322510dp+1, -0x1.8779fbe8c2a1dp-54}}, 0x1.c78786p+0, {-0x1.8ddc34d57c075p-26, -0x1.2a4227fd3e22p+1, 0x1.c2aaf8d6edc69p+2, -0x1.9831773ca64ddp+4, 0x1.9e4dd687958b4p+6, -0x1.c1fb358dcb6efp+8, 0x1.ffc935ec5801p+10, -0x1.2ce2abd75a7ccp+13}},
    {{{0x1.3353c34b6c8fcp-1, 0x1.18c91bb12cd65p-56}, {0x1.454ac47167ad9p+1, 0x1.ee927f76404b5p-54}}, 0x1.c5383cp+0, {0x1.57efa94fc5902p-25, -0x1.250d09787cd55p+1, 0x1.b6291458dac2ep+2, -0x1.8869be14a3f7bp+4, 0x1.89d9f6d7979e3p+6, -0x1.a6fe3700b719ep+8, 0x1.dbb84dba69b59p+10, -0x1.148efe1e6c33cp+13}},
    {{{0x1.3517d82e2d6a4p-1, 0x1.059464deeda02p-55}, {0x1.44d9bf38b776fp+1, 0x1.b1fa93f314b0dp-54}}, 0x1.c2f338p+0, {0x1.ded8f50882ec2p-25, -0x1.1ffcb66a2aebep+1, 0x1.aa224c199daa6p+2, -0x1.79685eff7958ep+4, 0x1.769e70b125f5fp+6, -0x1.8de584f500e8fp+8, 0x1.ba8df3cff8a6p+10, -0x1.fcdf94b0636f3p+12}},
    {{{0x1.36d9ad119bb61p-1, 0x1.5377677156ec8p-55}, {0x1.446949ffdbe4p+1, -0x1.d3dbb5587fd59p-56}}, 0x1.c0b832p+0, {0x1.d99ff7a871838p-27, -0x1.1b0fc699d60d2p+1, 0x1.9e909cee276eap+2, -0x1.6b2194e66df1fp+4, 0x1.64857ca073fcbp+6, -0x1.768a6091910c1p+8, 0x1.9c0733b51a676p+10, -0x1.d498fb9af05dap+12}},
    {{{0x1.38994bcfd0308p-1, -0x1.24dcbdbf94da5p-56}, {0x1.43f962504ec56p+1, 0x1.3efdfae9385bbp-53}}, 0x1.be86e4p+0, {-0x1.bb414749251ecp-25, -0x1.1644e34ea553dp+1, 0x1.936e5e849c86cp+2, -0x1.5d8a6bafec0fdp+4, 0x1.537b0eec0a106p+6, -0x1.60c984b9417dbp+8, 0x1.7fe7c5f8d9419p+10, -0x1.afe57249d1e7dp+12}},
    {{{0x1.3a56bdfec7cdep-1, -0x1.339ef132a5a15p-59}, {0x1.438a05c490de1p+1, -0x1.c19e4213df522p-54}}, 0x1.bc5f08p+0, {0x1.a99cbf6acd28bp-25, -0x1.119ac64855d4cp+1, 0x1.88b63d1fa326fp+2, -0x1.5098afb3a92fap+4, 0x1.436caffbb4882p+6, -0x1.4c82cdc8890a9p+8, 0x1.65f955d3a1bcbp+10, -0x1.8e6b27a434b7bp+12}},
    {{{0x1.3c120cf2f0631p-1, -0x1.58b2b5a59175ap-57}, {0x1.431b320786b8cp+1, 0x1.7f6c745cf6be4p-56}}, 0x1.ba4062p+0, {0x1.fe6cab478e333p-25, -0x1.0d1038ca44b3cp+1, 0x1.7e6333d015e4dp+2, -0x1.4442dea6df11p+4, 0x1.344958a7e5f4ap+6, -0x1.3998eae68f8b1p+8, 0x1.4e0adcd0c428ap+10, -0x1.6fd9ef3af1277p+12}},
    {{{0x1.3dcb41c19644ap-1, -0x1.4895b5ebe4aadp-59}, {0x1.42ace4d3dd406p+1, -0x1.c0f68bee1559dp-54}}, 0x1.b82ab4p+0, {-0x1.4bf8e6fdc3bcbp-26, -0x1.08a412b71ca33p+1, 0x1.74708721f0ca5p+2, -0x1.388019dba838p+4, 0x1.260152058caeep+6, -0x1.27f117c95e69p+8, 0x1.37f011b1fce23p+10, -0x1.53ea21f4a2041p+12}},
    {{{0x1.3f82654334a51p-1, 0x1.31d9115c90dc9p-58}, {0x1.423f1bf375a84p+1, 0x1.0d39aa6613989p-57}}, 0x1.b61dcp+0, {-0x1.a82d6f68a0b95p-25, -0x1.045539bbdc7c6p+1, 0x1.6ad9c032660cdp+2, -0x1.2d4819b28a02ap+4, 0x1.1886184eff2e3p+6, -0x1.1772ddf15b1dcp+8, 0x1.2380e8216fa3fp+10, -0x1.3a5ba2b5623afp+12}},
    {{{0x1.41378015aa5bfp-1, -0x1.6eda7094955fap-55}, {0x1.41d1d53ed83a9p+1, -0x1.89e700a994e7bp-53}}, 0x1.b4194cp+0, {-0x1.db028c3472448p-29, -0x1.0022a089095b6p+1, 0x1.619aa8260101bp+2, -0x1.22932220b798fp+4, 0x1.0bca4095aea6dp+6, -0x1.0807dc7fc49bcp+8, 0x1.10991f19e4e07p+10, -0x1.22f50230bf53ap+12}},
    {{{0x1.42ea9a9e54a3ap-1, 0x1.fc0659b440e54p-55}, {0x1.41650e9cada8ap+1, -0x1.649f333bca78ep-53}}, 0x1.b21d22p+0, {0x1.005ff73416667p-25, -0x1.f8168c31f13e8p+0, 0x1.58af43f69ce6cp+2, -0x1.1859f830b2bd3p+4, 0x1.ff82c1e3f5f0bp+5, -0x1.f3372bce7c9d1p+7, 0x1.fe2fb869176ddp+9, -0x1.0d82bdc4122cdp+12}},
    {{{0x1.449bbd0c1142p-1, -0x1.989a217dc9bd7p-55}, {0x1.40f8c6013e81p+1, 0x1.8088eb90b82fdp-53}}, 0x1.b0290ep+0, {-0x1.5a722cba17521p-25, -0x1.f01c6a046b5e6p+0, 0x1.5013d091bcb73p+2, -0x1.0e95d865ae9f3p+4, 0x1.e8bff5ddf9ce6p+5, -0x1.d836859a4b239p+7, 0x1.ddbea491acb4bp+9, -0x1.f3ad2b9933936p+11}},
    {{{0x1.464aef592975cp-1, -0x1.ce53ad50ce9acp-56}, {0x1.408cf96df8741p+1, 0x1.542cd8db5f93cp-53}}, 0x1.ae3cd8p+0, {0x1.84e224ab3c2d8p-25, -0x1.e85505aa39566p+0, 0x1.47c4bf408436cp+2, -0x1.05406dec88885p+4, 0x1.d336cfef18c53p+5, -0x1.beeb530e08106p+7, 0x1.bfa8e3ff7d4b3p+9, -0x1.cf8df0d733e7ap+11}},
    {{{0x1.47f8394d26ef9p-1, 0x1.a301b565987b1p-55}, {0x1.4021a6f0f915ap+1, -0x1.397828a081796p-55}}, 0x1.ac5852p+0, {0x1.e62f947ceb284p-25, -0x1.e0be9f07acf32p+0, 0x1.3fbeb25332e76p+2, -0x1.f8a7950ea8223p+3, 0x1.bed38f20a59b3p+5, -0x1.a735f362b2bb9p+7, 0x1.a3bd465248e59p+9, -0x1.ae5cfc2dc46b8p+11}},
    {{{0x1.49a3a27e94056p-1, -0x1.049576ca3d9dcp-59}, {0x1.3fb6cca49dd03p+1, -0x1.c3168de722923p-54}}, 0x1.aa7b4cp+0, {-0x1.04a92f47c3864p-26, -0x1.d95789a7e848bp+0, 0x1.37fe7a0a91db6p+2, -0x1.e794be44ca22fp+3, 0x1.ab83de60f58cdp+5, -0x1.90f956d921298p+7, 0x1.89cf0b9236831p+9, -0x1.8fd6eb60dc0b2p+11}},
    {{{0x1.4b4d3254a83d4p-1, -0x1.eea3cb69f8188p-56}, {0x1.3f4c68af18c23p+1, 0x1.5836dc9e84c38p-53}}, 0x1.a8a594p+0, {0x1.45adae6d3b7f6p-25, -0x1.d21e2bb1eec1dp+0, 0x1.308111ba47068p+2, -0x1.d73dea06efce6p+3, 0x1.9936b71f42eabp+5, -0x1.7c1ac3b521e31p+7, 0x1.71b573e994032p+9, -0x1.73befc5d6e1a8p+11}},
    {{{0x1.4cf4f008e23b7p-1, 0x1.2c95d100a875dp-55}, {0x1.3ee279420a42ap+1, 0x1.cf3ceef11ba3p-53}}, 0x1.a6d7p+0, {0x1.5a767ff50bbd9p-25, -0x1.cb10fcee49235p+0, 0x1.29439d1f75745p+2, -0x1.c7994f0a3eddfp+3, 0x1.87dc46884e79ep+5, -0x1.6881a1067c443p+7, 0x1.5b4b5b6777be5p+9, -0x1.59de5845c5c8cp+11}},
    {{{0x1.4e9ae2a8900d8p-1, 0x1.d1dc0188ee7d3p-57}, {0x1.3e78fc9a1ece2p+1, 0x1.fa8946316db13p-54}}, 0x1.a50f64p+0, {0x1.afb0cbd782ef3p-26, -0x1.c42e85dc0f771p+0, 0x1.224365e77b00ep+2, -0x1.b89dbca3f9677p+3, 0x1.7765d521e3e2dp+5, -0x1.561746a143298p+7, 0x1.466ee067a604ap+9, -0x1.42037347ccf2ap+11}},
    {{{0x1.503f111646bd5p-1, 0x1.53f85f59e8563p-55}, {0x1.3e0ff0feb1223p+1, -0x1.d4dda529a2a9p-56}}, 0x1.a34e96p+0, {-0x1.1d574d95d20bap-27, -0x1.bd755ed443cacp+0, 0x1.1b7dd962fb1d6p+2, -0x1.aa429028f7952p+3, 0x1.67c5b08a6455dp+5, -0x1.44c6d1b925d1fp+7, 0x1.3301136808d13p+9, -0x1.2c017eaef9e25p+11}},
    {{{0x1.51e1820b4a09ap-1, -0x1.aad7da1bc7616p-57}, {0x1.3da754c1704f2p+1, -0x1.95e03e59fb92fp-54}}, 0x1.a1946cp+0, {0x1.6fc90e951ebe8p-26, -0x1.b6e42f3a7e8e8p+0, 0x1.14f08661bbdep+2, -0x1.9c7fab21cfaacp+3, 0x1.58ef1727ac896p+5, -0x1.347cfda36539cp+7, 0x1.20e5af3a2e51p+9, -0x1.17afeaf93b17bp+11}},
    {{{0x1.53823c18e5127p-1, -0x1.82940fd9ca3c3p-57}, {0x1.3d3f263e098cfp+1, -0x1.cd745bd11d9bdp-53}}, 0x1.9fe0cp+0, {0x1.3351cf35092b5p-25, -0x1.b079acba01518p+0, 0x1.0e991b3428089p+2, -0x1.8f4d6a4142f35p+3, 0x1.4ad62596296b4p+5, -0x1.252800511c2f6p+7, 0x1.1002d8a070e1ep+9, -0x1.04e9f7fff611cp+11}},
    {{{0x1.552145a9b4bd4p-1, -0x1.1dee5e2d03716p-58}, {0x1.3cd763d9d5a23p+1, 0x1.2351d622addcp-53}}, 0x1.9e336cp+0, {0x1.0fb7ece660d81p-25, -0x1.aa349a8e56d5ap+0, 0x1.087563cf8ef19p+2, -0x1.82a49d0c4517bp+3, 0x1.3d6fc5adcf18fp+5, -0x1.16b76a1fde961p+7, 0x1.0040e48350852p+9, -0x1.e71ca30b94d5p+10}},
    {{{0x1.56bea502e487dp-1, -0x1.98d3cc7240f98p-55}, {0x1.3c700c0389af9p+1, 0x1.012eac9babfdap-54}}, 0x1.9c8c4cp+0, {-0x1.6199e394d7f1ep-25, -0x1.a413c8d6b81cdp+0, 0x1.028348127a706p+2, -0x1.767e7e248441p+3, 0x1.30b19ef6faf42p+5, -0x1.091c08a990772p+7, 0x1.e314480970d44p+8, -0x1.c6fd6d617ac81p+10}},
    {{{0x1.585a60455e765p-1, 0x1.9971aec4f99b4p-55}, {0x1.3c091d32eb33fp+1, -0x1.2fe821ffe2998p-55}}, 0x1.9aeb3ap+0, {-0x1.7bee421f78ab6p-25, -0x1.9e1613f37d512p+0, 0x1.f981944d5977bp+1, -0x1.6ad4ac27c06cdp+3, 0x1.2492086d247f6p+5, -0x1.f88f988bcfa58p+6, 0x1.c7956b99d71ccp+8, -0x1.a93f564ff3d53p+10}},
    {{{0x1.59f47d6eeec03p-1, -0x1.32af573646ba7p-55}, {0x1.3ba295e887218p+1, -0x1.98f1c7012890fp-53}}, 0x1.995014p+0, {-0x1.7c44dfad2a6fbp-27, -0x1.983a63ecef5f8p+0, 0x1.ee5809fd186a1p+1, -0x1.5fa1231783f65p+3, 0x1.1907fb70af914p+5, -0x1.e05b5ff0fc89fp+6, 0x1.ade0b8001efaap+8, -0x1.8db0616af9152p+10}},
    {{{0x1.5b8d025b5bd35p-1, -0x1.c40889a13bd8bp-55}, {0x1.3b3c74ad6bdcbp+1, 0x1.16c90b33296d3p-54}}, 0x1.97babap+0, {-0x1.060e43c56341ap-25, -0x1.927fabe2dbe74p+0, 0x1.e38655d7e5197p+1, -0x1.54de363df2834p+3, 0x1.0e0b07cc41ff8p+5, -0x1.c983471b9b335p+6, 0x1.95d4acb844b34p+8, -0x1.742310df6fd9ap+10}},
    {{{0x1.5d23f4c5734p-1, -0x1.f7413fb9963a4p-55}, {0x1.3ad6b812e6018p+1, 0x1.9832b31fab4fp-53}}, 0x1.962b0ap+0, {-0x1.735755e367bc8p-27, -0x1.8ce4e98458ddap+0, 0x1.d909089cff8c8p+1, -0x1.4a868a8569c67p+3, 0x1.039348b4ba394p+5, -0x1.b3f0ef60174e7p+6, 0x1.7f52801bd55fep+8, -0x1.5c6df51c81d0ap+10}},
    {{{0x1.5eb95a480c147p-1, -0x1.9af804e3565a2p-55}, {0x1.3a715eb23fcc7p+1, -0x1.7edf9b95e4a91p-53}}, 0x1.94a0e6p+0, {-0x1.54da0e1bd5b42p-25, -0x1.8769248f3009cp+0, 0x1.cedcdcaf7196fp+1, -0x1.409511399bf24p+3, 0x1.f332b55aaa1f2p+4, -0x1.9f8f978562cadp+6, 0x1.6a3de1b0c3d5ap+8, -0x1.466b484f1037ap+10}},
    {{{0x1.604d385eff291p-1, -0x1.729e6c33e5d34p-55}, {0x1.3a0c672c83074p+1, 0x1.dc27f8f8fcd4fp-55}}, 0x1.931c2ep+0, {-0x1.f1632ad8f26e8p-26, -0x1.820b6e5674622p+0, 0x1.c4feb3c6b9e86p+1, -0x1.37050329a10a9p+3, 0x1.e02ca4777f55dp+4, -0x1.8c4bfab14dabcp+6, 0x1.567cc26af37f1p+8, -0x1.31f8945a41d5bp+10}},
    {{{0x1.61df946815d7p-1, -0x1.2178cc3e19965p-57}, {0x1.39a7d02a3d5bcp+1, 0x1.2c79eff52759dp-53}}, 0x1.919cc4p+0, {0x1.81319e50b74e4p-25, -0x1.7ccae14fcc6e1p+0, 0x1.bb6b94c4fccep+1, -0x1.2dd1dc233cf11p+3, 0x1.ce0766b38dba6p+4, -0x1.7a14323b4b1e9p+6, 0x1.43f722423afb6p+8, -0x1.1ef66221192cp+10}},
    {{{0x1.637073a3ef8b8p-1, 0x1.9c1318659b867p-55}, {0x1.3943985b46eeap+1, 0x1.66bb3a2fbdbdap-54}}, 0x1.90228ep+0, {0x1.4955237e58d92p-26, -0x1.77a6a0a7052bbp+0, 0x1.b220a9b00dbfp+1, -0x1.24f756c04630ap+3, 0x1.bcb6d3282a618p+4, -0x1.68d79a1ef0f51p+6, 0x1.3296e2903d45dp+8, -0x1.0d47f118b8d19p+10}},
    {{{0x1.64ffdb36dea4bp-1, 0x1.f9a6157a14066p-55}, {0x1.38dfbe768b285p+1, 0x1.9bf8ddd2c0bedp-53}}, 0x1.8ead6ep+0, {0x1.5db8e846c72a3p-26, -0x1.729dd7d788aecp+0, 0x1.a91b3dcadaebdp+1, -0x1.1c71687fb720ap+3, 0x1.ac2f818e06299p+4, -0x1.5886b7cec085dp+6, 0x1.22479cb8fe808p+8, -0x1.f9a5ec7464af5p+9}},
    {{{0x1.668dd029bcfe3p-1, -0x1.3df785fb58cffp-56}, {0x1.387c4139d392p+1, -0x1.bddeac0f4f259p-53}}, 0x1.8d3d4ap+0, {-0x1.0415666cea712p-26, -0x1.6dafba4b5ac61p+0, 0x1.a058bbccf576cp+1, -0x1.143c3e2481aa4p+3, 0x1.9c66bcd7cad9bp+4, -0x1.4913232e3d863p+6, 0x1.12f67caecc6dbp+8, -0x1.dafec30c145adp+9}},
    {{{0x1.681a576ab88eap-1, 0x1.edc5eaf4b18d7p-55}, {0x1.38191f6994adep+1, -0x1.610f178be6a2fp-53}}, 0x1.8bd206p+0, {0x1.035ae47e0cc1ap-26, -0x1.68db82ff44815p+0, 0x1.97d6ac361e2c1p+1, -0x1.0c543854bf4ep+3, 0x1.8d5276d51629ap+4, -0x1.3a6f718018b1fp+6, 0x1.04921eee2c75bp+8, -0x1.be6e52c709fddp+9}},
    {{{0x1.69a575ce18728p-1, 0x1.79cb86d16ff22p-56}, {0x1.37b657d0bcb4ep+1, 0x1.d651e4ae2f845p-54}}, 0x1.8a6b8ap+0, {0x1.58f37f67adbdep-26, -0x1.6420742bdd791p+0, 0x1.8f92b3bbe7e69p+1, -0x1.04b5e8744c53fp+3, 0x1.7ee93cc77b2f4p+4, -0x1.2c8f221a55e97p+6, 0x1.ee14e33268d23p+7, -0x1.a3cc367595a64p+9}},
    {{{0x1.6b2f300efabap-1, -0x1.3d98c5cae4ea5p-56}, {0x1.3753e9408423p+1, 0x1.42157beaa25dcp-53}}, 0x1.8909bep+0, {-0x1.9a98e6922e94p-25, -0x1.5f7dd6f3274eap+0, 0x1.878a91cfa6a59p+1, -0x1.fabc1b6c8f22ap+2, 0x1.71222cd53fd19p+4, -0x1.1f668cb6ea424p+6, 0x1.d4a130c657fc5p+7, -0x1.8af36176a7b55p+9}},
    {{{0x1.6cb78ad00b4dbp-1, 0x1.ed14a67738b91p-55}, {0x1.36f1d2903ffe1p+1, 0x1.9f1d399377923p-53}}, 0x1.87ac86p+0, {0x1.7a96631518d39p-25, -0x1.5af2fb1275001p+0, 0x1.7fbc1f3b05041p+1, -0x1.ec9324c2a1d91p+2, 0x1.63f4ec476504p+4, -0x1.12ead13b66743p+6, 0x1.bcada60b733f2p+7, -0x1.73c1d2a07e4cbp+9}},
    {{{0x1.6e3e8a9c34379p-1, -0x1.caddaf4dce531p-56}, {0x1.3690129d35c3ap+1, 0x1.4ef8646bfe2b4p-55}}, 0x1.8653dp+0, {-0x1.d75edad121721p-26, -0x1.567f36985c6ddp+0, 0x1.78254cd1b98a9p+1, -0x1.deeb128571871p+2, 0x1.57599e82333b8p+4, -0x1.0711c8d5eb43ep+6, 0x1.a620cc009dc88p+7, -0x1.5e184ea4db15fp+9}},
    {{{0x1.6fc433e74799dp-1, 0x1.76b9aa76324d4p-55}, {0x1.362ea84a70eb1p+1, -0x1.0d301db11b4b9p-55}}, 0x1.84ff8p+0, {0x1.a8ab092dacdb8p-25, -0x1.5221e59e74d7bp+0, 0x1.70c42236f27edp+1, -0x1.d1be569a44ca7p+2, 0x1.4b48dca905a23p+4, -0x1.f7a3f0a1d8fbfp+5, 0x1.90e30ad24a182p+7, -0x1.49da21298445bp+9}},
    {{{0x1.71488b0ea39b6p-1, 0x1.21d7f85f77aeep-55}, {0x1.35cd928099eabp+1, -0x1.2e139ae6982b5p-53}}, 0x1.83af84p+0, {0x1.df69a4c5f621dp-26, -0x1.4dda6a06a92a8p+0, 0x1.6996bcb5299a3p+1, -0x1.c507aabec96bap+2, 0x1.3fbbaddf6a693p+4, -0x1.e24507046d93fp+5, 0x1.7cde8339f3282p+7, -0x1.36ece3e3e9fe1p+9}},
    {{{0x1.738c9d1d5d254p-1, 0x1.db6bf9e80e447p-56}, {0x1.353c8dfceb883p+1, 0x1.bde9c7e887efcp-54}}, 0x1.81bf76p+0, {-0x1.3a3c3b835a0bfp-25, -0x1.4796d469724b7p+0, 0x1.5f2fc86e67875p+1, -0x1.b2c82300ce8c2p+2, 0x1.2f50566e87ccp+4, -0x1.c4300deff1e7p+5, 0x1.60f708da45a55p+7, -0x1.1ccc2c6b46c6cp+9}},
    {{{0x1.768d9249c8712p-1, 0x1.21e9ad8ca8178p-58}, {0x1.347c50b1d0b54p+1, -0x1.dd59d4763f00ap-54}}, 0x1.7f3868p+0, {0x1.37439a9e2f7d7p-29, -0x1.3f83be298b2cbp+0, 0x1.51f62708a6a3p+1, -0x1.9be3f09ae119bp+2, 0x1.1afe26cef6db6p+4, -0x1.9f74b85131f37p+5, 0x1.3f593a1d7bf3cp+7, -0x1.fb7c2202512p+8}},
    {{{0x1.7989894d7c08p-1, 0x1.2ff02dca129d8p-55}, {0x1.33bd52f0e3cf8p+1, 0x1.9cccaf7d82322p-54}}, 0x1.7cc132p+0, {0x1.d69ca6c2ebd73p-25, -0x1.37bde8bd25d61p+0, 0x1.456d7a51df71ap+1, -0x1.8685810c8810ep+2, 0x1.084f821d33b7ap+4, -0x1.7e3295fc84e61p+5, 0x1.215f356093181p+7, -0x1.c4f04642348edp+8}},
    {{{0x1.7c80a14123932p-1, 0x1.bb2850c23bbc1p-59}, {0x1.32ff8cf3f9eccp+1, -0x1.d9147c23865dp-54}}, 0x1.7a594p+0, {-0x1.b0a01116edd3cp-26, -0x1.304151f293a67p+0, 0x1.398a131649e36p+1, -0x1.728d9edf467cbp+2, 0x1.ee3a07c6b6a4dp+3, -0x1.600a0c5c43fc6p+5, 0x1.06984a55321e4p+7, -0x1.94f0fd56f0a12p+8}},
    {{{0x1.7f72f81859c9fp-1, 0x1.0d572a5894a76p-55}, {0x1.3242f73e2c5fp+1, 0x1.d70c989b20969p-53}}, 0x1.78p+0, {-0x1.607fff082600cp-25, -0x1.290a3ade499cdp+0, 0x1.2e412ff22fdbp+1, -0x1.5fdffd812cd77p+2, 0x1.ce86f8c23cfbdp+3, -0x1.44a6fc634acf3p+5, 0x1.dd4599344bf02p+6, -0x1.6aa079799b6a4p+8}},
    {{{0x1.8260aab0a5e57p-1, 0x1.338050adc606cp-59}, {0x1.31878a9819583p+1, -0x1.ea6b9e117157bp-53}}, 0x1.75b4eap+0, {0x1.54f027f73cccap-25, -0x1.2215228b49562p+0, 0x1.2388e74d666fp+1, -0x1.4e62ea49629bcp+2, 0x1.b146e0391c39ep+3, -0x1.2bbf3d8567ca4p+5, 0x1.b253cb16007cdp+6, -0x1.4540e83c1dcfdp+8}},
    {{{0x1.8549d4df810f4p-1, -0x1.1f133ab303087p-56}, {0x1.30cd400c628dbp+1, 0x1.3e44ca87a6218p-53}}, 0x1.73778p+0, {0x1.eee7bd8bcac4ep-25, -0x1.1b5ec1288b231p+0, 0x1.195813a853f59p+1, -0x1.3dff06d82944bp+2, 0x1.964150a9fc127p+3, -0x1.151150cd78b32p+5, 0x1.8bc77b3adb5f7p+6, -0x1.242f77462958bp+8}},
    {{{0x1.882e917f771bep-1, 0x1.f7583a90eb75cp-56}, {0x1.301410e4650a9p+1, -0x1.2488a420d7ae5p-53}}, 0x1.714748p+0, {-0x1.baa9fd2ca4cbbp-28, -0x1.14e403a65654ep+0, 0x1.0fa641f4aa75dp+1, -0x1.2e9f0b998ee77p+2, 0x1.7d43a3d95b8ecp+3, -0x1.00634352ac7bdp+5, 0x1.691fdd258730fp+6, -0x1.06e02e10b12fp+8}},
    {{{0x1.8b0efa7c741e4p-1, 0x1.71ab90e199d6ap-57}, {0x1.2f5bf6a525c9fp+1, 0x1.0347aa232c23p-53}}, 0x1.6f23ccp+0, {-0x1.d90f26269e3c9p-25, -0x1.0ea207b7fc125p+0, 0x1.066ba1bd0d4dcp+1, -0x1.202f915e8cebdp+2, 0x1.6620517b8cb89p+3, -0x1.db037188dd107p+4, 0x1.49ec64cf881cep+6, -0x1.d9b4ed6e5ecdfp+7}},
    {{{0x1.8deb28df4ed0dp-1, 0x1.0ca7abc671543p-55}, {0x1.2ea4eb0c6f1d5p+1, -0x1.463c3e02b4a4fp-56}}, 0x1.6d0c9cp+0, {-0x1.0784354497c92p-26, -0x1.0896182fbdd1bp+0, 0x1.fb41edcd40382p+0, -0x1.129ee125fca22p+2, 0x1.50ae5b3e63ebbp+3, -0x1.b87e2fefdffa2p+4, 0x1.2dca8a1f98825p+6, -0x1.ab6c6e39b6a78p+7}},
    {{{0x1.90c334d89e684p-1, -0x1.658079868c78fp-55}, {0x1.2deee80e1b377p+1, 0x1.73c28192e8debp-53}}, 0x1.6b015p+0, {0x1.764b9399765a5p-26, -0x1.02bda9abd20ccp+0, 0x1.ea7f19bc5cbb4p+0, -0x1.05dcc94ec0b96p+2, 0x1.3cc8cb415b328p+3, -0x1.98e5a8bf57c6cp+4, 0x1.1463e18a7819cp+6, -0x1.8232c2bcbfccap+7}},
    {{{0x1.939735cae91d8p-1, 0x1.c4ed2ab0f5545p-55}, {0x1.2d39e7d1888a2p+1, 0x1.524e310a10d6bp-54}}, 0x1.690184p+0, {0x1.6a8f214cc12f1p-26, -0x1.fa2caf18fbd02p-1, 0x1.da825610c13b9p+0, -0x1.f3b4ef0f5c933p+1, 0x1.2a4e427b00dbdp+3, -0x1.7bf1a04d685c3p+4, 0x1.fad8f88cd968p+5, -0x1.5d6bce45ad6b8p+7}},
    {{{0x1.96674254379a6p-1, 0x1.1fd0970fc14e8p-55}, {0x1.2c85e4af34eafp+1, -0x1.2d91c292aa933p-53}}, 0x1.670cd8p+0, {-0x1.e8581e9db3cedp-27, -0x1.ef3bc2583cf4dp-1, 0x1.cb4014a2e1638p+0, -0x1.dd14add1ce76bp+1, 0x1.192094e8b9a49p+3, -0x1.6161a6ae4d17ep+4, 0x1.d1430993c8b66p+5, -0x1.3c8ffe28ad8d4p+7}},
    {{{0x1.993370571869p-1, -0x1.7014121b2f3e6p-57}, {0x1.2bd2d92e7cb74p+1, 0x1.3163a452f8b45p-53}}, 0x1.6522fp+0, {-0x1.f8c143aa5a75ap-25, -0x1.e4a44ea588e42p-1, 0x1.bcad977a3f86p+0, -0x1.c7bfe36c3b125p+1, 0x1.092471b536635p+3, -0x1.48fc2a06b9b85p+4, 0x1.ab901c65ec385p+5, -0x1.1f295d8fda1f3p+7}},
    {{{0x1.9bfbd5031d9b3p-1, -0x1.749dd88228339p-55}, {0x1.2b20c0037b6acp+1, -0x1.887626ae3032bp-53}}, 0x1.634372p+0, {0x1.5169db0e461c9p-25, -0x1.da6253bf69905p-1, 0x1.aec0dfb6df832p+0, -0x1.b39facb4458c4p+1, 0x1.f4822b89f49d6p+2, -0x1.328da7c31538bp+4, 0x1.89581d888e6dfp+5, -0x1.04d11b960e07fp+7}},
    {{{0x1.9ec084dcde047p-1, 0x1.e52f6632971fp-55}, {0x1.2a6f940d0b506p+1, 0x1.a11689a49ff8bp-53}}, 0x1.616e1p+0, {-0x1.bd80653d8dff9p-25, -0x1.d0720b47784f1p-1, 0x1.a1709e13c66d1p+0, -0x1.a09efe7554da5p+1, 0x1.d8c00ea1fdd29p+2, -0x1.1de7f85b878e7p+4, 0x1.6a3efdd8cea1bp+5, -0x1.da5ae218942bep+6}},
    {{{0x1.a18193c5829f6p-1, 0x1.36ae66a884829p-55}, {0x1.29bf5052e229bp+1, -0x1.33493678db603p-53}}, 0x1.5fa274p+0, {0x1.0ebf405f9ca79p-25, -0x1.c6cfe4cf96d56p-1, 0x1.94b424d7b82e1p+0, -0x1.8eaa7a1f3c168p+1, 0x1.bed9b2cf2bf36p+2, -0x1.0ae1b1f4b5af2p+4, 0x1.4df32eb82f0ap+5, -0x1.afdfad03e84d9p+6}},
    {{{0x1.a43f1501e804ap-1, -0x1.a81346ff527eep-55}, {0x1.290ff003c8d06p+1, -0x1.ee632c3b967f7p-55}}, 0x1.5de056p+0, {0x1.b0c336f62f21cp-26, -0x1.bd78823798d0ep-1, 0x1.88835b0e567abp+0, -0x1.7db046e83e8ebp+1, 0x1.a6a9eca90c24ap+2, -0x1.f2ab3d73bcb68p+3, 0x1.342c53214f651p+5, -0x1.89a6fb946fd01p+6}},
    {{{0x1.a6f91b415b3a1p-1, -0x1.f06ac474e7fe3p-57}, {0x1.28616e73ec03p+1, 0x1.cb487bc4a2028p-56}}, 0x1.5c276cp+0, {-0x1.633c194ee80b6p-26, -0x1.b468b454127b8p-1, 0x1.7cd6b0e816ab3p+0, -0x1.6d9feee12e9acp+1, 0x1.900ee02855cb3p+2, -0x1.d2448886eb05p+3, 0x1.1caa1de439d7ep+5, -0x1.673808c23cdaap+6}},
    {{{0x1.a9afb8a3f88dap-1, -0x1.9ca93d7c24ed7p-56}, {0x1.27b3c71b44ae2p+1, -0x1.6410ea3e6b43cp-54}}, 0x1.5a776ep+0, {0x1.46d6db1ae5c2fp-27, -0x1.ab9d77d7be2abp-1, 0x1.71a715234c885p+0, -0x1.5e6a3f8a69c47p+1, 0x1.7ae9ac262b1ebp+2, -0x1.b452f3824b43p+3, 0x1.073356800d45p+5, -0x1.4828abb15c1dcp+6}},
    {{{0x1.ac62fec0b2a92p-1, 0x1.cb9f9a052f11fp-55}, {0x1.2706f59416274p+1, -0x1.5885835006041p-53}}, 0x1.58d01ap+0, {0x1.a073c0e867588p-25, -0x1.a313f279933c3p-1, 0x1.66edeb63d9385p+0, -0x1.50012d86528f2p+1, 0x1.671e1f2a1cc17p+2, -0x1.98a015e4c5d2cp+3, 0x1.e729fe25566p+4, -0x1.2c1b6dd8232b2p+6}},
    {{{0x1.af12feab07951p-1, -0x1.90e2b13724155p-55}, {0x1.265af59980ec4p+1, 0x1.fa6c3dfc3b17p-55}}, 0x1.573132p+0, {-0x1.7988c865f7a8ap-25, -0x1.9ac970523e7aap-1, 0x1.5ca50361f7375p+0, -0x1.4257bb11ef651p+1, 0x1.5492746837ffep+2, -0x1.7efacc8016ea1p+3, 0x1.c3432d5ed5f24p+4, -0x1.12bde61684b94p+6}},
    {{{0x1.b1bfc8f868eebp-1, 0x1.965a5bc568889p-55}, {0x1.25afc3062895dp+1, 0x1.b4cbcc3feb9e5p-53}}, 0x1.559a74p+0, {-0x1.b3af7fbdf908ap-27, -0x1.92bb616c31635p-1, 0x1.52c690db2c433p+0, -0x1.3561e0f6c9e4ep+1, 0x1.432f17f5c259ep+2, -0x1.6736a90c0fbbcp+3, 0x1.a260e84620f58p+4, -0x1.f78e9cc3d5915p+5}},
    {{{0x1.b4696dc55c341p-1, 0x1.511242bcfe56p-58}, {0x1.250559d2ebc48p+1, 0x1.fb3a236bb9b7dp-58}}, 0x1.540ba8p+0, {-0x1.ac831da9a1bdp-25, -0x1.8ae75781f499bp-1, 0x1.494d2432ac0ebp+0, -0x1.291479b242ccp+1, 0x1.32de715b64fe8p+2, -0x1.512b729e808ebp+3, 0x1.843a6b86cf85fp+4, -0x1.cdee96a106ae3p+5}},
    {{{0x1.b70ffcba57a79p-1, -0x1.118d43c614383p-56}, {0x1.245bb615ace7ap+1, 0x1.e4a05d50423bap-56}}, 0x1.528492p+0, {0x1.11802f93876dep-25, -0x1.834b03e6d3f78p-1, 0x1.4033a3b0747b5p+0, -0x1.1d652e967d535p+1, 0x1.238cb3c738233p+2, -0x1.3cb4b4e3ee37dp+3, 0x1.688e86d1c5f07p+4, -0x1.a829bc5dc611p+5}},
    {{{0x1.b9b385105ffc5p-1, 0x1.c0e6852a9707dp-55}, {0x1.23b2d4002ad27p+1, -0x1.575cf86580062p-55}}, 0x1.5105p+0, {-0x1.69b1ce7fdcebdp-25, -0x1.7be4359659933p-1, 0x1.377545502ead2p+0, -0x1.124a66aff21bfp+1, 0x1.1527b339010e5p+2, -0x1.29b15c3fd2304p+3, 0x1.4f22c038f1614p+4, -0x1.85daf6e029d03p+5}},
    {{{0x1.bc5415956aacp-1, 0x1.2be2d86141cd4p-58}, {0x1.230aafdee8268p+1, 0x1.11034c6e3bb2p-53}}, 0x1.4f8cb8p+0, {0x1.f0faa82bd6fbap-25, -0x1.74b0d767620bfp-1, 0x1.2f0d89126f071p+0, -0x1.07bb3740c8d08p+1, 0x1.079ebe179c2fdp+2, -0x1.18035d3ae6639p+3, 0x1.37c292be3db74p+4, -0x1.66a88079e7e04p+5}},
    {{{0x1.bef1bcb088903p-1, -0x1.4535887a242b3p-55}, {0x1.2263461820ad8p+1, -0x1.94503ab03134cp-53}}, 0x1.4e1b8ep+0, {-0x1.bf8846e95e84cp-25, -0x1.6daeee5fe0971p-1, 0x1.26f833c44f70dp+0, -0x1.fb5eab50cca7cp+0, 0x1.f5c4f560dd623p+1, -0x1.078f65dc9262cp+3, 0x1.223ec47ab40dep+4, -0x1.4a428568de861p+5}},
    {{{0x1.c18c8865dc18fp-1, 0x1.0f4c4a4fe4765p-55}, {0x1.21bc932acbcb4p+1, 0x1.d68f509d4ca2ep-53}}, 0x1.4cb14cp+0, {-0x1.7f353ff2c3123p-25, -0x1.66dc9826ada4ap-1, 0x1.1f314a3298d3ep+0, -0x1.e83e15248ac7cp+0, 0x1.ddc990627bbf2p+1, -0x1.f0792f76bc7f5p+2, 0x1.0e6cd14572d3cp+4, -0x1.3061f23400051p+5}},
    {{{0x1.c424865a5e3dp-1, 0x1.6226a9b9d642fp-55}, {0x1.211693adab424p+1, 0x1.83b17185a05f6p-54}}, 0x1.4b4dc4p+0, {0x1.5b417e07f2442p-25, -0x1.60380990f861ap-1, 0x1.17b50cbec7535p+0, -0x1.d6064c968de25p+0, 0x1.c731457489a1p+1, -0x1.d3e893710a56dp+2, 0x1.f84cce6283f69p+3, -0x1.18c7697f87fa7p+5}},
    {{{0x1.c6b9c3d77508bp-1, 0x1.283864c941118p-55}, {0x1.2071444e658f5p+1, 0x1.d05449fef57c1p-53}}, 0x1.49f0ccp+0, {0x1.f2e533067dc6fp-26, -0x1.59bf8d492aa1ap-1, 0x1.107ff34d2ca75p+0, -0x1.c4a9ec4081fd2p+0, 0x1.b1e4146435341p+1, -0x1.b943a0fab7f7ep+2, 0x1.d691e52c15531p+3, -0x1.033a5be60a573p+5}},
    {{{0x1.c94c4dce5e7edp-1, -0x1.d1f1c18b5207ep-55}, {0x1.1fcca1d0ab31dp+1, 0x1.1dbda7283484dp-54}}, 0x1.489a38p+0, {-0x1.25276defff892p-25, -0x1.5371828d40825p-1, 0x1.098ea98450d77p+0, -0x1.b41c75577dbdep+0, 0x1.9dcbd71e6764cp+1, -0x1.a06499de25c1fp+2, 0x1.b76a6f581b5cdp+3, -0x1.df107a610d60bp+4}},
    {{{0x1.cbdc30db724e8p-1, -0x1.51cabe3209668p-59}, {0x1.1f28a90d663dep+1, 0x1.1fa98e2a0de61p-53}}, 0x1.4749dcp+0, {-0x1.4c979dd762072p-27, -0x1.4d4c5c02c200fp-1, 0x1.02de0b56768c1p+0, -0x1.a4523df7644a7p+0, 0x1.8ad418a768dacp+1, -0x1.8928ffce32946p+2, 0x1.9a9df00708206p+3, -0x1.bb07a5e901942p+4}},
    {{{0x1.ce6979493cb72p-1, 0x1.f029ac5ed29dcp-55}, {0x1.1e8556f1f3a3cp+1, -0x1.61a807e66ee7p-53}}, 0x1.45ff92p+0, {-0x1.b5d39080502b7p-26, -0x1.474e9e9eb53e6p-1, 0x1.f8d6439db03a3p-1, -0x1.954060f499488p+0, 0x1.78e9f0002cd9fp+1, -0x1.737145295dd6ap+2, 0x1.7ff944bc64caap+3, -0x1.9a093262c7344p+4}},
    {{{0x1.d0f4331374c9bp-1, -0x1.7d10fd7cf9cccp-55}, {0x1.1de2a87f659f2p+1, -0x1.86595d6f7bcc6p-53}}, 0x1.44bb32p+0, {-0x1.1190cb38952bbp-28, -0x1.4176e0a004d1ap-1, 0x1.ec6640399fa42p-1, -0x1.86dcaf0ed7d42p+0, 0x1.67fbde8febc41p+1, -0x1.5f2085feea65ep+2, 0x1.674e1745d0772p+3, -0x1.7bcc7404e922fp+4}},
    {{{0x1.d37c69e9d0137p-1, 0x1.043670e21bbdp-55}, {0x1.1d409ac9ceccap+1, 0x1.d954c6f8bed13p-53}}, 0x1.437c98p+0, {-0x1.9770f73c2d2c1p-26, -0x1.3bc3c89af6a9ap-1, 0x1.e066c1af553aap-1, -0x1.791da163dd81ap+0, 0x1.57f9b1b4adb5cp+1, -0x1.4c1c48671c652p+2, 0x1.50725f9c5e49p+3, -0x1.60102bc7d8aecp+4}},
    {{{0x1.d6022932b59c1p-1, -0x1.ba53681c99d06p-55}, {0x1.1c9f2af7956a8p+1, 0x1.11ee7a70d8691p-54}}, 0x1.42439ep+0, {0x1.290b6859381e7p-25, -0x1.36340c946e03p-1, 0x1.d4d2c6ecc5a6fp-1, -0x1.6bfa4d040a993p+0, 0x1.48d46727e619bp+1, -0x1.3a4c435cba7a6p+2, 0x1.3b3ff3d147866p+3, -0x1.4699b4c6c15f4p+4}},
    {{{0x1.d8857c0dd1fefp-1, -0x1.c3df3e3b4a2aep-55}, {0x1.1bfe5640ce51dp+1, -0x1.74a5cd3fe7b4ep-53}}, 0x1.411024p+0, {0x1.076c73baece7ep-27, -0x1.30c6712bce2bp-1, 0x1.c9a593ede345p-1, -0x1.5f6a578e264aep+0, 0x1.3a7e13ed7bfbcp+1, -0x1.299a2b5f41ee9p+2, 0x1.27942456fb21dp+3, -0x1.2f344ac005034p+4}},
    {{{0x1.db066d568e4e3p-1, 0x1.1350afd0328b5p-55}, {0x1.1b5e19ee9f3dfp+1, 0x1.d58e373d391dap-53}}, 0x1.3fe206p+0, {0x1.6d471a9c32f69p-25, -0x1.2b79c8d26c79ep-1, 0x1.bedaad62978ebp-1, -0x1.5365ecba2c8c7p+0, 0x1.2ce9cd8bba869p+1, -0x1.19f1843b42588p+2, 0x1.154f632ed5d44p+3, -0x1.19b06680b7461p+4}},
    {{{0x1.dd8507a66b4f5p-1, 0x1.1bb8d21208312p-55}, {0x1.1abe735aa7fdbp+1, -0x1.645e8a99e25ecp-56}}, 0x1.3eb926p+0, {-0x1.8371d6088afeap-29, -0x1.264cf30f965cfp-1, 0x1.b46dd4a4f2fa7p-1, -0x1.47e5b4bd75f38p+0, 0x1.200b9551cdc23p+1, -0x1.0b3f77698b35dp+2, 0x1.0454f4b38608dp+3, -0x1.05e32d75d887ap+4}},
    {{{0x1.e00155574289cp-1, 0x1.4fb4ac53ba9d5p-58}, {0x1.1a1f5fee722f1p+1, 0x1.0fe4bdcea7eb8p-53}}, 0x1.3d9562p+0, {0x1.22493b78785b4p-25, -0x1.213edbd044ac7p-1, 0x1.aa5b03f917f9dp-1, -0x1.3ce2cb74b1396p+0, 0x1.13d84578c0babp+1, -0x1.fae55d0d3b9e5p+1, 0x1.e91551c2c83bdp+2, -0x1.e74be3fae81c1p+3}},
    {{{0x1.e27b60856e88ap-1, -0x1.b2a0c53b40679p-57}, {0x1.1980dd22e72f6p+1, -0x1.94e720f60c723p-54}}, 0x1.3c769ep+0, {0x1.53f81773cd09bp-26, -0x1.1c4e7ac1a819ep-1, 0x1.a09e6b10fa31cp-1, -0x1.3256b84212071p+0, 0x1.08457ff086d24p+1, -0x1.e0f662e50743ep+1, 0x1.cbb138438c3eap+2, -0x1.c5ab84c7271fep+3}},
    {{{0x1.e4f33311db9a4p-1, 0x1.658aae7df5536p-56}, {0x1.18e2e87fcbeafp+1, 0x1.db621ac30e2cp-54}}, 0x1.3b5cbcp+0, {0x1.17ce6f7a5f197p-29, -0x1.177ad2b5cb6b6p-1, 0x1.97346bce90ea8p-1, -0x1.283b668fd01ap+0, 0x1.fa933d5f1352ep+0, -0x1.c8948f6c0a01bp+1, 0x1.b051fd7aad847p+2, -0x1.a6a6097a783fep+3}},
    {{{0x1.e768d6a402447p-1, 0x1.59863b708028p-57}, {0x1.18457f9b42407p+1, -0x1.fb360085c2421p-53}}, 0x1.3a47ap+0, {-0x1.24e7287215a05p-25, -0x1.12c2f11197a3p-1, 0x1.8e19973f949ccp-1, -0x1.1e8b1ee89ac5p+0, 0x1.e5b74abf28336p+0, -0x1.b1a4b9ab0498fp+1, 0x1.96cfc468c948ep+2, -0x1.8a023c202d958p+3}},
    {{{0x1.e9dc54abcc916p-1, 0x1.ea1f99bc32658p-55}, {0x1.17a8a0194fad3p+1, -0x1.6025833dc6d8fp-53}}, 0x1.39372ep+0, {-0x1.9bccb68adedbfp-25, -0x1.0e25ed4394436p-1, 0x1.854aaace4cc6cp-1, -0x1.15408099049a9p+0, 0x1.d1e6688da5e56p+0, -0x1.9c0dce87320b1p+1, 0x1.7f0617a713dfdp+2, -0x1.6f8c46d2e9e53p+3}},
    {{{0x1.ec4db66367485p-1, 0x1.382442e18b512p-56}, {0x1.170c47ab68ff7p+1, -0x1.9444a55d7536cp-58}}, 0x1.382b4ap+0, {0x1.d1b538e9e9aa8p-25, -0x1.09a2e842cabb8p-1, 0x1.7cc48da356139p-1, -0x1.0c567bce264a4p+0, 0x1.bf10f89e29bfbp+0, -0x1.87b8a35ce5607p+1, 0x1.68d397dee2fe5p+2, -0x1.571527688e862p+3}},
    {{{0x1.eebd04d100138p-1, -0x1.59e0531e6c223p-55}, {0x1.1670741002ccap+1, 0x1.70da77f8e0c9p-53}}, 0x1.3723dep+0, {0x1.fd76edaf0642fp-25, -0x1.05390c153fc4bp-1, 0x1.74844e34a266p-1, -0x1.03c84c26d288dp+0, 0x1.ad28682103037p+0, -0x1.748fccd48acdap+1, 0x1.5419b2888ebcep+2, -0x1.40723288ced79p+3}},
    {{{0x1.f12a48c871875p-1, -0x1.05392c737c4ddp-56}, {0x1.15d52312266fbp+1, 0x1.d84c45fdaa514p-56}}, 0x1.3620dp+0, {0x1.64959b3311f3dp-25, -0x1.00e78b5d803b5p-1, 0x1.6c871ffe457f5p-1, -0x1.f722e75b6596cp-1, 0x1.9c1f1b8f700e2p+0, -0x1.627f79849e294p+1, 0x1.40bc6009d34f9p+2, -0x1.2b7ca45e433adp+3}},
    {{{0x1.f3958aecddef4p-1, -0x1.fc135930a7786p-57}, {0x1.153a52890b55bp+1, 0x1.3a2398c45037fp-53}}, 0x1.352208p+0, {0x1.6a738d43d90bbp-29, -0x1.f95b41dd91a7fp-2, 0x1.64ca5961ea9c4p-1, -0x1.e75b6c6711cadp-1, 0x1.8be85c43634c1p+0, -0x1.51754fff140e6p+1, 0x1.2ea1e86703c86p+2, -0x1.18113d4bf4124p+3}},
    {{{0x1.f5fed3b239b83p-1, 0x1.f3abf3ff601cfp-55}, {0x1.14a00057b4637p+1, 0x1.9d7766316db93p-53}}, 0x1.34276ep+0, {-0x1.6900c9b1f6e94p-27, -0x1.f1151eceb2269p-2, 0x1.5d4b71aa123c9p-1, -0x1.d8322a033df59p-1, 0x1.7c784793da526p+0, -0x1.41604ff33a9dfp+1, 0x1.1db2add221e9dp+2, -0x1.060fe943bd6ffp+3}},
    {{{0x1.f8662b5ec6442p-1, 0x1.2488c9896ec8ep-59}, {0x1.14062a6c91408p+1, -0x1.d45f7fe9bff57p-54}}, 0x1.3330ecp+0, {-0x1.d1877d4fd3b75p-26, -0x1.e8fb41a114689p-2, 0x1.5607ff2e740dcp-1, -0x1.c99f95ba50659p-1, 0x1.6dc3bf52ac47ap+0, -0x1.3230b61666bd1p+1, 0x1.0dd8fc77c29fdp+2, -0x1.eab6e10b64f77p+2}},
    {{{0x1.facb9a0c7de63p-1, 0x1.d082ceed8c63p-55}, {0x1.136ccec12357fp+1, 0x1.a641af75e2a7bp-53}}, 0x1.323e6cp+0, {-0x1.2ab873279cca7p-25, -0x1.e10c4c8894827p-2, 0x1.4efdb59718384p-1, -0x1.bb9c90a9f6b37p-1, 0x1.5fc05b8c26517p+0, -0x1.23d7e28e0156ep+1, 0x1.fe01bdf7d968fp+1, -0x1.cbb2616d6fc6bp+2}},
    {{{0x1.fd2f27aa71bd8p-1, -0x1.9dccca24f8d4ep-55}, {0x1.12d3eb59a6622p+1, 0x1.81d595ba83f5ap-53}}, 0x1.314fd8p+0, {0x1.421fb346696a2p-26, -0x1.d946ef2f4538ep-2, 0x1.482a643beda01p-1, -0x1.ae2260a74e2c4p-1, 0x1.52645d6be11a4p+0, -0x1.1648419cd6df8p+1, 0x1.e22fee525954fp+1, -0x1.aee1babb607d8p+2}},
    {{{0x1.ff90dbfe1a18p-1, 0x1.758a9080bd26bp-56}, {0x1.123b7e44bc4b8p+1, 0x1.d76222425c373p-54}}, 0x1.30651ep+0, {-0x1.e978c4de4d0bbp-27, -0x1.d1a9e613ef406p-2, 0x1.418bf49ed0839p-1, -0x1.a12aa9e0ce732p-1, 0x1.45a6a32cfc39bp+0, -0x1.0975365c0732bp+1, 0x1.c81ab4c46d3cap+1, -0x1.94188de6f0d14p+2}},
    {{{0x1.00f85f524d008p+0, -0x1.3bcd8999567fap-56}, {0x1.11a3859b1c514p+1, 0x1.41dc146470906p-53}}, 0x1.2f7e28p+0, {-0x1.a4f8d5426b8ebp-28, -0x1.ca33f9f169c4bp-2, 0x1.3b2068fe1eb52p-1, -0x1.94af68f3fb19dp-1, 0x1.397e9cfe64a5dp+0, -0x1.faa60e9b6c657p+0, 0x1.afa2e2e5b9dfep+1, -0x1.7b2e4f964f932p+2}},
    {{{0x1.02276b89fb48fp+0, -0x1.c6dc041bca4e8p-54}, {0x1.110bff7f452d1p+1, -0x1.17cd606a8c2afp-60}}, 0x1.2e9ae4p+0, {-0x1.13ebccafc6e5ep-25, -0x1.c2e3ff2e3e2eap-2, 0x1.34e5dafe1cd35p-1, -0x1.88aaed6dbf327p-1, 0x1.2de442c6027c7p+0, -0x1.e3ad993978c8cp+0, 0x1.98abb6d02e16bp+1, -0x1.63fdec5c1febp+2}},
    {{{0x1.0355964e214b8p+0, -0x1.cce4c7964960bp-57}, {0x1.1074ea1d322bcp+1, 0x1.3730afaaaa568p-53}}, 0x1.2dbb3ep+0, {-0x1.e2016daf7a067p-27, -0x1.bbb8d55413206p-2, 0x1.2eda7a6792beep-1, -0x1.7d17d4ad1f23ap-1, 0x1.22d00aafa79dap+0, -0x1.cdecbfc24ae39p+0, 0x1.831aa640fcb24p+1, -0x1.4e657634788cdp+2}},
    {{{0x1.0482e3345f88ap+0, -0x1.34acd07c3a451p-54}, {0x1.0fde43aa130d3p+1, 0x1.b4b8cb6f62e2fp-53}}, 0x1.2cdf24p+0, {0x1.588218cd5e17bp-25, -0x1.b4b1668e63d96p-2, 0x1.28fc8bfa256afp-1, -0x1.71f10520a3726p-1, 0x1.183ae0766214p+0, -0x1.b9509a8ab3d3cp+0, 0x1.6ed72e9e62b22p+1, -0x1.3a45da46256c9p+2}},
    {{{0x1.05af55c0788a1p+0, -0x1.3ba74b30ce8ffp-55}, {0x1.0f480a64068c8p+1, -0x1.2d6794050d373p-54}}, 0x1.2c0686p+0, {0x1.2ab153b0a50f5p-25, -0x1.adcca73011b63p-2, 0x1.234a685111467p-1, -0x1.6731a9d784a67p-1, 0x1.0e1e1d5870c6fp+0, -0x1.a5c78bd6e1058p+0, 0x1.5bcaa96533bb4p+1, -0x1.27829e0506e45p+2}},
    {{{0x1.06daf164d6be8p+0, 0x1.9923e4c0724d9p-56}, {0x1.0eb23c91d7724p+1, 0x1.ce7bcd326eed7p-54}}, 0x1.2b3152p+0, {0x1.a0da36b7e5119p-26, -0x1.a709953f655b6p-2, 0x1.1dc27ad9032e9p-1, -0x1.5cd52e6036a43p-1, 0x1.047380a78b5a9p+0, -0x1.934126eabd293p+0, 0x1.49e0248e84bd4p+1, -0x1.1601a2ec63865p+2}},
    {{{0x1.0805b9830d7afp+0, -0x1.ef4ec56aa812ep-56}, {0x1.0e1cd882bc141p+1, -0x1.4f678842ca7a7p-54}}, 0x1.2a5f78p+0, {-0x1.cd39715cf60f1p-26, -0x1.a06738081c5dp-2, 0x1.186340d5e6496p-1, -0x1.52d73aee7a4a2p-1, 0x1.f66a51d0f7bedp-1, -0x1.81ae192b45a33p+0, 0x1.39043e89a4d87p+1, -0x1.05aaf01ed57f1p+2}},
    {{{0x1.092fb16c55591p+0, -0x1.f91dc255d28e9p-56}, {0x1.0d87dc8e1825p+1, -0x1.4cf3c907ffdb8p-54}}, 0x1.2990e6p+0, {-0x1.b408ed38e20e3p-28, -0x1.99e49fb326e9dp-2, 0x1.132b487793917p-1, -0x1.4933b0c398347p-1, 0x1.e4bb1aec6bce7p-1, -0x1.7100152134dd6p+0, 0x1.2925057115f86p+1, -0x1.ecd1029b21a2fp+1}},
    {{{0x1.0a58dc620427p+0, 0x1.ef2d0308a334ep-54}, {0x1.0cf3471340bep+1, 0x1.165f0d67a12ffp-56}}, 0x1.28c58ep+0, {-0x1.bf0c94704d6e4p-27, -0x1.9380e4e3bf355p-2, 0x1.0e192ffc646a5p-1, -0x1.3fe6a6d3d86f7p-1, 0x1.d3cef13b4c618p-1, -0x1.6129bf32019a3p+0, 0x1.1a31d92a8a545p+1, -0x1.d04c34b4dc737p+1}},
    {{{0x1.0b813d960099cp+0, -0x1.d5adf8864bd72p-54}, {0x1.0c5f16794284bp+1, -0x1.fac6a08b9454p-53}}, 0x1.27fd6p+0, {0x1.8443c62148febp-35, -0x1.8d3b28598a1b4p-2, 0x1.092ba4e0bc753p-1, -0x1.36ec66a4b1b22p-1, 0x1.c39c0450d6e75p-1, -0x1.521e9be857f63p+0, 0x1.0c1b502a35fabp+1, -0x1.b5a23e6f7938cp+1}},
};
// The first term left out is at most 2^-69.5 of the result.

// atan(j/64 + d) = c0 + c1 d + c[0] d^2 + ... + c[8] d^10
constexpr AsinRow kAtanSeries[] = {
    {{0x0p+0, 0x0p+0}, {0x1p+0, 0x0p+0}, {-0x0p+0, -0x1.5555555555555p-2, 0x0p+0, 0x1.999999999999ap-3, -0x0p+0, -0x1.2492492492492p-3, 0x0p+0, 0x1.c71c71c71c71cp-4, -0x0p+0}},
    {{0x1.fff555bbb729bp-7, -0x1.220c39d4dff5p-61}, {0x1.ffe001ffe002p-1, -0x1.ffe001ffe002p-61}, {-0x1.ffc005ff800ap-7, -0x1.54d56953003cp-2, 0x1.ff601bfc406dfp-7, 0x1.981a09849cb13p-3, -0x1.fed5a944d7f05p-7, -0x1.229338e29faefp-3, 0x1.fe20c5ca6b2a1p-7, 0x1.c21fe079cb142p-4, -0x1.fd418fd78c5a3p-7}},
    {{0x1.ffd55bba97625p-6, -0x1.5ec431444912cp-60}, {0x1.ff801ff801ff8p-1, 0x1.ff801ff801ff8p-61}, {-0x1.ff005fe009fdp-6, -0x1.535694c03beap-2, 0x1.fd81bf106dd29p-6, 0x1.93a0945cb009fp-3, -0x1.fb5a9137ef3f6p-6, -0x1.1ca138b1f15e5p-3, 0x1.f88c52a3243fcp-6, 0x1.b3531eb58605ap-4, -0x1.f518e2cc41b0ap-6}},
    {{0x1.7fb818430da2ap-5, -0x1.86ef8f794f105p-63}, {0x1.fee0a1a513254p-1, -0x1.3c4e1414b45a9p-55}, {-0x1.7e516b6f5fb61p-5, -0x1.50dba2b652209p-2, 0x1.7bce9d05eab95p-5, 0x1.8c3cce1b89dc7p-3, -0x1.7833cbf47e098p-5, -0x1.12dd7e8827ec8p-3, 0x1.73868acdf7c56p-5, 0x1.9b2f347db0a29p-4, -0x1.6dcdd5b82ad47p-5}},
    {{0x1.ff55bb72cfdeap-5, -0x1.c934d86d23f1dp-60}, {0x1.fe01fe01fe02p-1, -0x1.fe01fe01fe02p-57}, {-0x1.fc05f809f40dfp-5, -0x1.4d69303ba878bp-2, 0x1.f61bc46d4b167p-5, 0x1.82084cab634dp-3, -0x1.eda84feb05beap-5, -0x1.057e3669247d6p-3, 0x1.e2c2b10d370ecp-5, 0x1.7a77ef4ff3f8fp-4, -0x1.d5879be0af0e6p-5}},
    {{0x1.3f59f0e7c559dp-4, 0x1.ac4ce285df847p-58}, {0x1.fce4da6ab93e9p-1, -0x1.be46b18a97736p-57}, {-0x1.3c2114d22b635p-4, -0x1.49059c4d74033p-2, 0x1.36662c0896a7cp-4, 0x1.75261a13a97a2p-3, -0x1.2e4315fdd1509p-4, -0x1.e99996e52db32p-4, 0x1.23da4b0a71e9fp-4, 0x1.52335e3bc8178p-4, -0x1.175631ce245f4p-4}},
    {{0x1.7ee182602f10fp-4, -0x1.cfb654c0c3d98p-58}, {0x1.fb8a096acfaccp-1, -0x1.2962e18495af3p-55}, {-0x1.7956846635c89p-4, -0x1.43b8f2037b997p-2, 0x1.6f8857900c4eep-4, 0x1.65c1f4409ba0ep-3, -0x1.61b651d176e0cp-4, -0x1.c24738ad65152p-4, 0x1.5033f7bc246c1p-4, 0x1.239e96db30b46p-4, -0x1.3b66af01bca6p-4}},
    {{0x1.be39ebe6f07c3p-4, 0x1.f7b8f29a05987p-58}, {0x1.f9f2893bb9192p-1, 0x1.8260b7cd1bdabp-56}, {-0x1.b578772759741p-4, -0x1.3d8ccd45bbe91p-2, 0x1.a61404fa31d26p-4, 0x1.540f60668fd66p-3, -0x1.9092dcb2f6e8fp-4, -0x1.95d668d902073p-4, 0x1.75a3e99c53d16p-4, 0x1.e040c8f475e61p-5, -0x1.56183e072a50fp-4}},
    {{0x1.fd5ba9aac2f6ep-4, -0x1.cd37686760c17p-59}, {0x1.f81f81f81f82p-1, -0x1.f81f81f81f82p-55}, {-0x1.f05e09d0dc11bp-4, -0x1.368c3aa76e1d7p-2, 0x1.d9b16b391c2e3p-4, 0x1.4048994488c86p-3, -0x1.ba55da98401c8p-4, -0x1.652e4e5127e64p-4, 0x1.93943442e53aep-4, 0x1.7275386286f75p-5, -0x1.66ee6cd9fe96fp-4}},
    {{0x1.1e1fafb043727p-3, -0x1.b485914dacf8cp-59}, {0x1.f612438a14f5ep-1, 0x1.98e9e001f6124p-56}, {-0x1.14f0459d3fb7cp-3, -0x1.2ec3931219b34p-2, 0x1.0509268736312p-3, 0x1.2aad607eca5ecp-3, -0x1.de969e19fe31cp-4, -0x1.31455db6b9127p-4, 0x1.a9a62f53dd9eep-4, 0x1.00f5ba8e4edep-5, -0x1.6dce8d02714ffp-4}},
    {{0x1.3d6eee8c6626cp-3, 0x1.61a3b0ce9281bp-57}, {0x1.f3cc435b0713cp-1, 0x1.1d0a7e69ea094p-55}, {-0x1.30eddb7d169fp-3, -0x1.264053fd62b3cp-2, 0x1.1b795e8e57ee3p-3, 0x1.1381bbe93b8e5p-3, -0x1.fd07f394e1bf7p-4, -0x1.f634c37bb5315p-5, 0x1.b7b30e501e57bp-4, 0x1.1dae120503792p-6, -0x1.6afc07ec85d9bp-4}},
    {{0x1.5c9811e3ec26ap-3, -0x1.054ab2c010f3dp-58}, {0x1.f14f19cce28ebp-1, -0x1.b7c252708cd6ep-55}, {-0x1.4c16f42678d07p-3, -0x1.1d10f4fccc153p-2, 0x1.300cd74979f8cp-3, 0x1.f6194fbe70208p-4, -0x1.0abc54b1c266fp-3, -0x1.875b23b74e858p-5, 0x1.bdca692e46f11p-4, 0x1.f0b179de94aefp-9, -0x1.5f1053244a013p-4}},
    {{0x1.7b97b4bce5b02p-3, 0x1.347b0b4f881cap-58}, {0x1.ee9c7f8458e02p-1, -0x1.163807ba71fe1p-57}, {-0x1.665c226d69eebp-3, -0x1.1344bb737e8f3p-2, 0x1.42aca8b929b0bp-3, 0x1.c32d8f683981cp-4, -0x1.13e9ad22d5eccp-3, -0x1.17f3ed35c8c33p-5, 0x1.bc2ee2a73307ep-4, -0x1.2ee042bddc834p-7, -0x1.4aef3c93c1534p-4}},
    {{0x1.9a6a8e96c8626p-3, 0x1.cf601e7b4348ep-59}, {0x1.ebb64a8c932d7p-1, 0x1.0538d79aae302p-61}, {-0x1.7faf6f88295fep-3, -0x1.08eb8d3f5a07bp-2, 0x1.53479d6814372p-3, 0x1.8ed239c562d77p-4, -0x1.1a0ec2cdd89fdp-3, -0x1.53bd4fec9df82p-6, 0x1.b3512d9d3f0f6p-4, -0x1.5e1ab4534ccf5p-6, -0x1.2fb8741e17632p-4}},
    {{0x1.b90d7529260a2p-3, 0x1.17b10d2e0e5abp-61}, {0x1.e89e6b5ccf172p-1, 0x1.20357153be26ap-55}, {-0x1.980467f79bfd6p-3, -0x1.fc2b8650d32f4p-3, 0x1.61d22d625e475p-3, 0x1.599799e54f3p-4, -0x1.1d3b0365c2b85p-3, -0x1.f6cc90afb6b97p-8, 0x1.a3c9c28035c12p-4, -0x1.08f0d8331488ap-5, -0x1.0eb751c5fcd04p-4}},
    {{0x1.d77d5df205736p-3, 0x1.c648d1534597ep-57}, {0x1.e556e9c86d7c6p-1, -0x1.30c2534c9abfdp-55}, {-0x1.af50242f10c89p-3, -0x1.e5a7f7b1596d9p-3, 0x1.6e466171949b1p-3, 0x1.2409fa3d6f244p-4, -0x1.1d8980dceacbfp-3, 0x1.3c3b6dc71508p-8, 0x1.8e519f78687abp-4, -0x1.57cac6b1251ecp-5, -0x1.d2a3bb4170164p-5}},
    {{0x1.f5b75f92c80ddp-3, 0x1.8ab6e3cf7afbdp-57}, {0x1.e1e1e1e1e1e1ep-1, 0x1.e1e1e1e1e1e1ep-57}, {-0x1.c5894d10d4986p-3, -0x1.ce6de0253d27ep-3, 0x1.78a3a08d88b02p-3, 0x1.dd5f26a622b44p-5, -0x1.1b1faecd7c4ep-3, 0x1.0fc3e1fc8b549p-6, 0x1.73ba725728acfp-4, -0x1.9a753eeba051fp-5, -0x1.81f0251c71d2ap-5}},
    {{0x1.09dc597d86362p-2, 0x1.62e47390cb865p-56}, {0x1.de4180d8b5ae6p-1, 0x1.1929823f66cfp-56}, {-0x1.daa81c655a596p-3, -0x1.b69e91974fd6cp-3, 0x1.80ee69dcd2641p-3, 0x1.740d764b143bep-5, -0x1.162bf4b6b733p-3, 0x1.c21477a20d203p-6, 0x1.54e68a0d6b625p-4, -0x1.d03cd7b6e81adp-5, -0x1.2e2871a0cf67ep-5}},
    {{0x1.18bf5a30bf178p-2, 0x1.30ca4748b1bf9p-57}, {0x1.da7801da7801ep-1, -0x1.61ff8961ff896p-55}, {-0x1.eea659814cb11p-3, -0x1.9e5aef76f9fa1p-3, 0x1.872ffdf090624p-3, 0x1.0d08b83fe02bcp-5, -0x1.0ee4231b98637p-3, 0x1.320e65b309f28p-5, 0x1.32c0e755cbc43p-4, -0x1.f8dca5dea1ddbp-5, -0x1.b3f437b8c43d8p-6}},
    {{0x1.278372057ef46p-2, -0x1.077cdd36dfc81p-56}, {0x1.d687aafdfd5bap-1, -0x1.82e68e19d8d3dp-56}, {-0x1.00bfa92db6fdbp-2, -0x1.85c325b640da2p-3, 0x1.8b75fa1da32d2p-3, 0x1.524adee810d6p-6, -0x1.0583d95a69deap-3, 0x1.7a3792b4d3decp-5, 0x1.0e35ba3290dfep-4, -0x1.0a3b219e12287p-4, -0x1.0fa90078835p-6}},
    {{0x1.362773707ebccp-2, -0x1.963a544b672d8p-57}, {0x1.d272ca3fc5b1ap-1, 0x1.ae01d272ca3fcp-55}, {-0x1.0997e8aec9d8ep-2, -0x1.6cf6666d5c0ffp-3, 0x1.8dd1e8f2617b5p-3, 0x1.2483b33966883p-7, -0x1.f495d2b05b16bp-4, 0x1.b9096074fdeafp-5, 0x1.d05719c4605c9p-5, -0x1.11c35280318fdp-4, -0x1.ceb9120a724bep-8}},
    {{0x1.44aa436c2af0ap-2, -0x1.5d5e43c55b3bap-56}, {0x1.ce3bb295c0773p-1, -0x1.26fd591851b41p-55}, {-0x1.11db08221a582p-2, -0x1.5412aeb9ef661p-3, 0x1.8e58cacc06b3ap-3, -0x1.25ff7cfe3f01ep-9, -0x1.daf789dae4b1cp-4, 0x1.ee3fb8e4e3e16p-5, 0x1.82fa9c2c60fedp-5, -0x1.136c4e13555d9p-4, 0x1.c74f3de9d1831p-10}},
    {{0x1.530ad9951cd4ap-2, -0x1.2566480884082p-57}, {0x1.c9e4b91ff8d87p-1, -0x1.723ff1b0da37p-56}, {-0x1.1988d432f5908p-2, -0x1.3b3493403e07cp-3, 0x1.8d22997d0e938p-3, -0x1.a3464c2fe9cdep-7, -0x1.beb3fefb6f244p-4, 0x1.0ce5a39e67c0bp-4, 0x1.35eab93b4fb73p-5, -0x1.0fbaef4d86f78p-4, 0x1.3bfddd37ba6b1p-7}},
    {{0x1.614840309cfe2p-2, -0x1.a725715711fp-56}, {0x1.c570327afd9ebp-1, 0x1.3c2abb32c1d72p-57}, {-0x1.20a1c06000419p-2, -0x1.22771486ad2c8p-3, 0x1.8a49c9d027817p-3, -0x1.73831eaabcb23p-6, -0x1.a051d8c46fbcep-4, 0x1.1de669132e9ccp-4, 0x1.d5269d48d5d65p-6, -0x1.074bb712354a4p-4, 0x1.0ef6551a55039p-6}},
    {{0x1.6f61941e4def1p-2, -0x1.c63aae6f6e918p-56}, {0x1.c0e070381c0ep-1, 0x1.c0e070381c0ep-55}, {-0x1.2726dd135c174p-2, -0x1.09f37b38cc8cfp-3, 0x1.85eacd7da413cp-3, -0x1.04d6980fcc815p-5, -0x1.8054c1df326f9p-4, 0x1.2a47e082bda6p-4, 0x1.446397091d5a4p-6, -0x1.f5961e072e48cp-5, 0x1.6e2448b00bbfdp-6}},
    {{0x1.7d5604b63b3f7p-2, 0x1.69c885c2b249ap-56}, {0x1.bc37be7ec7a8dp-1, -0x1.f12462b0e2727p-57}, {-0x1.2d19ccfbdd7fap-2, -0x1.e382786f8309bp-4, 0x1.802397e6de8dep-3, -0x1.49cf94f6d8017p-5, -0x1.5f3b3de917e27p-4, 0x1.324208e455cc2p-4, 0x1.77470b9fc88fep-7, -0x1.d5dbdc6b10536p-5, 0x1.bb070147d2bd5p-6}},
    {{0x1.8b24d394a1b25p-2, 0x1.b6d0ba3748fa8p-56}, {0x1.b77861d9cdc98p-1, -0x1.2e22c345bd7a8p-57}, {-0x1.327cb9d57b8f5p-2, -0x1.b3ebc8761b154p-4, 0x1.7913279f68c54p-3, -0x1.888285872d73cp-5, -0x1.3d7cd567be75p-4, 0x1.361c00a24fc71p-4, 0x1.e4b7a46aa98b6p-9, -0x1.b0d643bad3a76p-5, 0x1.f5beada74e507p-6}},
    {{0x1.98cd5454d6b18p-2, 0x1.9e6c988fd0a77p-56}, {0x1.b2a495323eb6ap-1, -0x1.7220270cc9678p-58}, {-0x1.375248cd58cc4p-2, -0x1.854a154d5f784p-4, 0x1.70d9167aa0c46p-3, -0x1.c0db0d0665a46p-5, -0x1.1b889b428e30dp-4, 0x1.3628d134448bp-4, -0x1.bbbc167619c9cp-9, -0x1.87ead53e1f653p-5, 0x1.0f7b2bdc4928dp-5}},
    {{0x1.a64eec3cc23fdp-2, -0x1.24dec1b50b7ffp-56}, {0x1.adbe87f94905ep-1, 0x1.adbe87f94905ep-61}, {-0x1.3b9d8eab54af9p-2, -0x1.57c09645a7f9ep-4, 0x1.67953180938f2p-3, -0x1.f2d8bff0ea012p-5, -0x1.f388166c7250cp-5, 0x1.32c44c95ff694p-4, -0x1.3f3f025d7ff49p-7, -0x1.5c6d1b848e1d1p-5, 0x1.1be53ebc410dcp-5}},
    {{0x1.b3a911da65c6cp-2, 0x1.ae187b1ca504p-56}, {0x1.a8c85c81a2254p-1, -0x1.3c1918d67728bp-55}, {-0x1.3f6203e8218ep-2, -0x1.2b6e8adb5f398p-4, 0x1.5d6719d9e25fcp-3, -0x1.0f46a19cc29ap-4, -0x1.b1147c1a6975p-5, 0x1.2c5012c826e6bp-4, -0x1.f6a95cbc1b186p-7, -0x1.2f96d2de89811p-5, 0x1.20d7737cd042bp-5}},
    {{0x1.c0db4c94ec9fp-2, -0x1.cc1ce70934c34p-56}, {0x1.a3c4268881898p-1, 0x1.f907fe5c3bd97p-55}, {-0x1.42a378d38076dp-2, -0x1.006f45a36f1bdp-4, 0x1.526def7221a2ap-3, -0x1.220d267b0229ap-4, -0x1.7056dc74d0c66p-5, 0x1.2330d0ff472e2p-4, -0x1.4a5e99cb74216p-6, -0x1.02821992b9e1fp-5, 0x1.1f2a84fa0a7c8p-5}},
    {{0x1.cde53432c1351p-2, -0x1.a2cfa4418f1adp-56}, {0x1.9eb3e9edacaccp-1, -0x1.942c587d23ca5p-55}, {-0x1.456609eaa285dp-2, -0x1.adb4828319af3p-5, 0x1.46c805c4ee7c2p-3, -0x1.31d7ca73bc33fp-4, -0x1.31d98b8a731f5p-5, 0x1.17cbc798f7481p-4, -0x1.8ccf3f977e9cap-6, -0x1.ac4b236ea1578p-6, 0x1.17ca051196434p-5}},
    {{0x1.dac670561bb4fp-2, 0x1.a2b7f222f65e2p-56}, {0x1.999999999999ap-1, -0x1.999999999999ap-55}, {-0x1.47ae147ae147bp-2, -0x1.5d867c3ece2a5p-5, 0x1.3a92a30553261p-3, -0x1.3ec460ed80a18p-4, -0x1.ec21b514d88d8p-6, 0x1.0a849f929a833p-4, -0x1.c2f8b88dfb80cp-6, -0x1.56a498245bf09p-6, 0x1.0ba9908c71945p-5}},
    {{0x1.e77eb7f175a34p-2, 0x1.0e53dc1bf3435p-56}, {0x1.9477169044ba4p-1, -0x1.d53e292d5fbc1p-56}, {-0x1.49802ba91fd89p-2, -0x1.1074cf33546d5p-5, 0x1.2de9c99222665p-3, -0x1.48f5afa031cb1p-4, -0x1.7ab74bc0c642p-6, 0x1.f7772876d0f75p-5, -0x1.ed628e431fc96p-6, -0x1.05668c64515ecp-6, 0x1.f776f5280c0c4p-6}},
    {{0x1.f40dd0b541418p-2, -0x1.a3992dc382a23p-57}, {0x1.8f4e2f2efd135p-1, -0x1.4c3c0d4218911p-56}, {-0x1.4ae10df24b2d1p-2, -0x1.8d31fd7365f3fp-6, 0x1.20e80b7567664p-3, -0x1.5092724d80dddp-4, -0x1.100881b0516abp-6, 0x1.d797e4a356567p-5, -0x1.065f8e14758edp-5, -0x1.7338f73d2f6bbp-7, 0x1.d1d2295d62336p-6}},
    {{0x1.0039c73c1a40cp-1, -0x1.b32c949c9d593p-55}, {0x1.8a209e931fcd3p-1, 0x1.cb8f08e68c94cp-57}, {-0x1.4bd59b35ad2d8p-2, -0x1.000c36dc339efp-6, 0x1.13a667812ee2dp-3, -0x1.55c46b5955c9cp-4, -0x1.5906b0fd2b503p-7, 0x1.b615d577de2dap-5, -0x1.10f0aa34d31ecp-5, -0x1.d02cbefe48adp-8, 0x1.a8193add71bf1p-6}},
    {{0x1.0657e94db30dp-1, -0x1.d5b495f6349e6p-56}, {0x1.84f00c2780614p-1, -0x1.fe7b0ff3d87fap-56}, {-0x1.4c62cb562c625p-2, -0x1.e6495b3a4bcb7p-8, 0x1.063c2f78c0dc4p-3, -0x1.58b78459eb443p-4, -0x1.41c831386e6b4p-8, 0x1.938d6944ff706p-5, -0x1.16d9966ad4037p-5, -0x1.a9b1a01fc736ap-9, 0x1.7bd993ed938c9p-6}},
    {{0x1.0c6145b5b43dap-1, 0x1.974fa13b5404fp-58}, {0x1.7fbe0b560d35cp-1, -0x1.4f066ae5a0887p-55}, {-0x1.4c8da57c2e1cbp-2, 0x1.8b34161c69f3cp-12, 0x1.f17ded351e8edp-4, -0x1.599900e77234cp-4, 0x1.006ef99f594eep-12, 0x1.708bf1a75a6ccp-5, -0x1.1896731a471d5p-5, 0x1.4cc7e59bf0521p-13, 0x1.4e739b06e1f19p-6}},
    {{0x1.1255d9bfbd2a9p-1, -0x1.2bdaee1c0ee35p-58}, {0x1.7a8c1b5b1ffa1p-1, 0x1.73e4a4e005ea3p-55}, {-0x1.4c5b37fead5b8p-2, 0x1.fcb3101e4c97p-8, 0x1.d6850f983ecf1p-4, -0x1.5896c532f49b6p-4, 0x1.432e2eaefcf7fp-8, 0x1.4d8efe1db38fp-5, -0x1.16a6a7c5c9defp-5, 0x1.9a7427b6fe5dp-9, 0x1.21176c5fd4aeep-6}},
    {{0x1.1835a88be7c13p-1, 0x1.c621cec00c301p-55}, {0x1.755ba737d49cap-1, -0x1.abaf3d4cb44c6p-55}, {-0x1.4bd090f73c4b3p-2, 0x1.e2e4f8920477fp-7, 0x1.bbb1c53aaefap-4, -0x1.55deb13f5f619p-4, 0x1.2bf14e675741ep-7, 0x1.2b042a05e0ebfp-5, -0x1.11898bf95c5c1p-5, 0x1.73fafe421ee51p-8, 0x1.e987bb2451595p-7}},
    {{0x1.1e00babdefeb4p-1, -0x1.928df287a668fp-58}, {0x1.702e05c0b817p-1, 0x1.702e05c0b817p-56}, {-0x1.4af2b78215a76p-2, 0x1.5d0b7e9e4a9dp-6, 0x1.a1247ca629942p-4, -0x1.519e1100385b4p-4, 0x1.a759232616ed8p-7, 0x1.09494cda1223ap-5, -0x1.09bb9a5a5c251p-5, 0x1.ff915f489d8bap-8, 0x1.948ec86fd304p-7}},
    {{0x1.23b71e2cc9e6ap-1, 0x1.c421c9f38224ep-57}, {0x1.6b0479c620595p-1, 0x1.867df07d7f0c2p-55}, {-0x1.49c6a5a920887p-2, 0x1.c20cfbb7e5931p-6, 0x1.86fa2451c4a5dp-4, -0x1.4c012120917dap-4, 0x1.0a1da6b9c3fadp-6, 0x1.d159f708543e5p-6, -0x1.ff6856d929bcep-6, 0x1.38ac0d0361a66p-7, 0x1.4484f04991a4bp-7}},
    {{0x1.2958e59308e31p-1, -0x1.09e73b0c6c087p-56}, {0x1.65e032538713cp-1, -0x1.0139242c09163p-57}, {-0x1.485142f6d4575p-2, 0x1.104979386fd1dp-5, 0x1.6d4c43fc6c18p-4, -0x1.4532a7ca4cfdp-4, 0x1.3991d90eb1d3p-6, 0x1.92de946163051p-6, -0x1.e7c762de874ffp-6, 0x1.65806fc0c1cb2p-7, 0x1.f4ac3b1bed19fp-8}},
    {{0x1.2ee628406cbcap-1, 0x1.c5d5e9ff0cf8dp-55}, {0x1.60c24b0350d38p-1, 0x1.1ffe9f3db4fcbp-55}, {-0x1.46975fac420bdp-2, 0x1.3c5fad098b4eep-5, 0x1.54311d57c5b53p-4, -0x1.3d5ba071017ep-4, 0x1.625b9f11b08a7p-6, 0x1.57857e25bbc6fp-6, -0x1.cd64d7384981fp-6, 0x1.873d73da3b8d5p-7, 0x1.6d43573946a29p-8}},
    {{0x1.345f01cce37bbp-1, 0x1.1021137c71102p-55}, {0x1.5babcc647fa91p-1, 0x1.4339b8056eaf3p-55}, {-0x1.449db094286dp-2, 0x1.655caac4cf102p-5, 0x1.3bbbd2933dd9cp-4, -0x1.34a2f9636afc9p-4, 0x1.84d71a2400f6fp-6, 0x1.1f9acfcc53cabp-6, -0x1.b0ff09ec31ef1p-6, 0x1.9eee3b1615b05p-7, 0x1.e70ef159fe3fp-9}},
    {{0x1.39c391cd4171ap-1, -0x1.2304331d8bf46p-55}, {0x1.569dac6feb417p-1, 0x1.03ce50625e45p-55}, {-0x1.4268cb6bde98p-2, 0x1.8b56386705749p-5, 0x1.23fc9171a8768p-4, -0x1.2b2d61b8904fdp-4, 0x1.a1677ca70ce88p-6, 0x1.d6a8162963581p-7, -0x1.9341232c353bbp-6, 0x1.ada7ad7354ecp-7, 0x1.0f7ba54d41c16p-9}},
    {{0x1.3f13fb89e96f4p-1, 0x1.ecf8b492644fp-56}, {0x1.5198cf0ab6f99p-1, 0x1.1b8755e1ffabap-56}, {-0x1.3ffd23da059f4p-2, 0x1.ae63f4c5d36dcp-5, 0x1.0d00c1b178adap-4, -0x1.211d261093929p-4, 0x1.b874b30c5dd59p-6, 0x1.75a50b0b899edp-7, -0x1.74c2b9c404912p-6, 0x1.b4803d3249a4dp-7, 0x1.4e5e3e11efa33p-11}},
    {{0x1.445065b795b56p-1, -0x1.f76d0163f79c8p-56}, {0x1.4c9e0693e0015p-1, -0x1.b0fcb60fff59bp-56}, {-0x1.3d5f08ea521a8p-2, 0x1.ce9f01d4b9b62p-5, 0x1.eda66b5db8847p-5, -0x1.16921a92559e3p-4, 0x1.ca69513b2a17dp-6, 0x1.1c4bb355982b3p-7, -0x1.5607f65bec936p-6, 0x1.b48924e349f67p-7, -0x1.35b505c3aa961p-11}},
    {{0x1.4978fa3269ee1p-1, 0x1.2419a87f2a458p-56}, {0x1.47ae147ae147bp-1, -0x1.eb851eb851eb8p-57}, {-0x1.3a92a30553261p-2, 0x1.ec21b514d88d8p-5, 0x1.c2f8b88dfb80cp-5, -0x1.0ba9908c71945p-4, 0x1.d7b0c3d79f13fp-6, 0x1.95393357dfc67p-8, -0x1.378223aa97829p-6, 0x1.aec90a8b90dbp-7, -0x1.a9b62ef307e0dp-10}},
    {{0x1.4e8de5bb6ec04p-1, 0x1.4a33dbeb3796cp-55}, {0x1.42c9a9dd8fdc1p-1, 0x1.192daaf80050bp-58}, {-0x1.379bf25adf97fp-2, 0x1.0383a724dbb01p-4, 0x1.9a04e646e65dfp-5, -0x1.007e562771c79p-4, 0x1.e0b5c37a45544p-6, 0x1.00fc754993092p-8, -0x1.1990937534c25p-6, 0x1.a437eae51732ap-7, -0x1.445369e08d5b8p-9}},
    {{0x1.538f57b89061fp-1, -0x1.1bb74abda520cp-55}, {0x1.3df1682b78014p-1, -0x1.074bea43ff61p-56}, {-0x1.347ecdb5be2e4p-2, 0x1.0fb5da3a11be4p-4, 0x1.72d371677817p-5, -0x1.ea517d4cdbd49p-5, 0x1.e5e106bc61b6fp-6, 0x1.ee0afd0517524p-10, -0x1.f90384f2ec799p-7, 0x1.95bc2a9aaa5bbp-7, -0x1.9db547a33f95fp-9}},
    {{0x1.587d81f732fbbp-1, -0x1.5e5c9d8c5a95p-56}, {0x1.3925e1cd28c98p-1, 0x1.c84431ffec6dap-55}, {-0x1.313ee1af2c622p-2, 0x1.1ab59c7f683c3p-4, 0x1.4d693a7039179p-5, -0x1.d37d6391400b3p-5, 0x1.e7982f2148a36p-6, 0x1.12956b6df63cap-14, -0x1.c1294fbd0f7eep-7, 0x1.8428a8b0b0a0ep-7, -0x1.e305809d0ab52p-9}},
    {{0x1.5d58987169b18p-1, 0x1.0028e4bc5e7cap-57}, {0x1.34679ace01346p-1, 0x1.e6b3804d19e6bp-55}, {-0x1.2ddfb03913da2p-2, 0x1.2491307b46905p-4, 0x1.29c7e4b96b773p-5, -0x1.bca781f071f44p-5, 0x1.e63cec4b7b7c4p-6, -0x1.9529a125f35bp-10, -0x1.8bf43ed369b2bp-7, 0x1.703bac97185cdp-7, -0x1.0b2d44f8f2b6ep-8}},
    {{0x1.6220d115d7b8ep-1, -0x1.2b785350ee8c1p-57}, {0x1.2fb7098736048p-1, 0x1.7a7514df7c4fap-55}, {-0x1.2a64907603054p-2, 0x1.2d56da0cac592p-4, 0x1.07ee31fa53ce5p-5, -0x1.a5f2821eb5271p-5, 0x1.e22c508df7f4fp-6, -0x1.83dca107b528fp-9, -0x1.59acc0a22f693p-7, 0x1.5a9e8b39536bap-7, -0x1.1ce5fbe408e44p-8}},
    {{0x1.66d663923e087p-1, -0x1.6ea6febe8bbbap-56}, {0x1.2b14974aea886p-1, 0x1.68ffda9d6d16ap-55}, {-0x1.26d0aed65571ep-2, 0x1.3514c8be1339fp-4, 0x1.cfb0b300f8f9bp-6, -0x1.8f7ccf34b004fp-5, 0x1.dbbe51bd3bdep-6, -0x1.126379bf7dcebp-8, -0x1.2a84ea146e5b2p-7, 0x1.43e5e05f2718ep-7, -0x1.27b2a6e3d62b3p-8}},
    {{0x1.6b798920b3d99p-1, -0x1.a80386188c50ep-55}, {0x1.2680a10e5813ep-1, -0x1.f54972242a6bcp-55}, {-0x1.23270d725fa1cp-2, 0x1.3bd904bf2f124p-4, 0x1.9300b53ea1533p-6, -0x1.7960d53a4e537p-5, 0x1.d345711f5f086p-6, -0x1.5776019baa1dap-8, -0x1.fd36ab2a2ca7ep-8, 0x1.2c923c7a02081p-7, -0x1.2c8debce66e52p-8}},
    {{0x1.700a7c5784634p-1, -0x1.8c34d25aadef6p-56}, {0x1.21fb78121fb78p-1, 0x1.21fb78121fb78p-57}, {-0x1.1f6a8499e4889p-2, 0x1.41b15e5decb17p-4, 0x1.59bc940a374b5p-6, -0x1.63b54400d3c9ap-5, 0x1.c90e857717232p-6, -0x1.91f786bfa704ep-8, -0x1.abfbc643da6ddp-8, 0x1.15112a418ed31p-7, -0x1.2c6398bf559bfp-8}},
    {{0x1.748978fba8e0fp-1, 0x1.7b2a6165884a1p-59}, {0x1.1d856287ffb8ap-1, -0x1.58a1ffee27a9dp-57}, {-0x1.1b9dc3919524p-2, 0x1.46ab5fd4fa866p-4, 0x1.23d13384eda2cp-6, -0x1.4e8d53cff324cp-5, 0x1.bd60a25b0d0adp-6, -0x1.c2bb4e063d1e6p-8, -0x1.61589dcb54dd5p-8, 0x1.fb7ce61077b85p-8, -0x1.280e12938fca6p-8}},
    {{0x1.78f6bbd5d315ep-1, 0x1.406a08980374p-55}, {0x1.191e9c35424cap-1, -0x1.fa3c1f4be863fp-55}, {-0x1.17c35177d9a85p-2, 0x1.4ad44144fffaep-4, 0x1.e2516fb2b5523p-7, -0x1.39f90aa1cc641p-5, 0x1.b07d185304289p-6, -0x1.ea930756fd193p-8, -0x1.1d352e2a9a0dep-8, 0x1.cdcb1886fc912p-8, -0x1.2054c036bffbap-8}},
    {{0x1.7d528289fa093p-1, 0x1.560821e2f3aa9p-55}, {0x1.14c75711551bbp-1, -0x1.0c88e71970f2cp-55}, {-0x1.13dd8e4aa5095p-2, 0x1.4e38dead4c211p-4, 0x1.8355ff6b74576p-7, -0x1.260580de0faaap-5, 0x1.a29f8989371fp-6, -0x1.052612b085d9ap-7, -0x1.beccb2511c555p-9, 0x1.a186387b9d333p-8, -0x1.15eb475d0e624p-8}},
    {{0x1.819d0b7158a4dp-1, -0x1.bf76229d3b917p-56}, {0x1.107fbbe01108p-1, -0x1.107fbbe01108p-55}, {-0x1.0feeb40894fcdp-2, 0x1.50e5afb9125f7p-4, 0x1.2a7c2843ba55ap-7, -0x1.12bd24b4ae875p-5, 0x1.93fe0f3b1b1eep-6, -0x1.1156dd4c2083bp-7, -0x1.4f63b0c35aa9cp-9, 0x1.770d0e5d0462fp-8, -0x1.097172647f464p-8}},
    {{0x1.85d69576cc2c5p-1, 0x1.6b66e7fc8b8c3p-57}, {0x1.0c47eac74fadcp-1, -0x1.035f877bb1887p-55}, {-0x1.0bf8d7e8202a9p-2, 0x1.52e6c13725c73p-4, 0x1.af1a37d9c2711p-8, -0x1.0027fb643d11fp-5, 0x1.84c96c756b7d7p-6, -0x1.1a3b66c3ca3aep-7, -0x1.d747013459246p-10, 0x1.4ea6f1e70d9a4p-8, -0x1.f6e735ded322cp-9}},
    {{0x1.89ff5ff57f1f8p-1, -0x1.55b9a5e177a1bp-55}, {0x1.081ffbdf80108p-1, 0x1.ffbdf801082p-57}, {-0x1.07fdeba010928p-2, 0x1.5447b0136e69fp-4, 0x1.149fc55103947p-8, -0x1.dc97bfbe9a2eep-6, 0x1.752d4b08adda9p-6, -0x1.202e8b540d106p-7, -0x1.25de5859de3e9p-10, 0x1.2886c4afd9f21p-8, -0x1.d8d6f1ff313bcp-9}},
    {{0x1.8e17aa99cc05ep-1, -0x1.ec182ab042f61p-56}, {0x1.0407ffbefe001p-1, 0x1.01ffefbf80041p-59}, {-0x1.03ffbebd00209p-2, 0x1.5513a5aaf6d91p-4, 0x1.0a27fc6ac4038p-9, -0x1.ba597ccd6032ap-6, 0x1.65508002bb974p-6, -0x1.23860d2d1068bp-7, -0x1.1277e666265bcp-11, 0x1.04cdc656b66eap-8, -0x1.b982755927a4fp-9}},
    {{0x1.921fb54442d18p-1, 0x1.1a62633145c07p-55}, {0x1p-1, 0x0p+0}, {-0x1p-2, 0x1.5555555555555p-4, -0x0p+0, -0x1.999999999999ap-6, 0x1.5555555555555p-6, -0x1.2492492492492p-7, -0x0p+0, 0x1.c71c71c71c71cp-9, -0x1.999999999999ap-9}},
};

constexpr double kSplitter = 134217729.0;  // 2^27 + 1

// The high 26 bits of a (Veltkamp's split); a minus them is the low part.
constexpr double splitHigh(double a) {
    const double c = kSplitter * a;
    return c - (c - a);
}

constexpr double kTwoOverPi = 0x1.45f306dc9c883p-1;
// Adding and subtracting 1.5 * 2^52 rounds a double below 2^51 in magnitude
// to an integer (round to nearest even).
constexpr double kRoundToInteger = 0x1.8p52;

// --- exact building blocks -------------------------------------------------

inline double magnitude(double x) { return __builtin_fabs(x); }

// a + b exactly, as s + e.
inline DoubleDouble twoSum(double a, double b) {
    const double s = a + b;
    const double bb = s - a;
    return {s, (a - (s - bb)) + (b - bb)};
}

// a + b exactly when |a| >= |b| or a == 0.
inline DoubleDouble fastTwoSum(double a, double b) {
    const double s = a + b;
    return {s, b - (s - a)};
}

// a * b exactly, as p + e (Dekker's product; |a|, |b| below 2^995).
inline DoubleDouble twoProduct(double a, double b) {
    const double p = a * b;
    const double ca = kSplitter * a;
    const double ah = ca - (ca - a);
    const double al = a - ah;
    const double cb = kSplitter * b;
    const double bh = cb - (cb - b);
    const double bl = b - bh;
    return {p, ((ah * bh - p) + ah * bl + al * bh) + al * bl};
}

inline DoubleDouble negate(DoubleDouble a) { return {-a.hi, -a.lo}; }

inline DoubleDouble add(DoubleDouble a, DoubleDouble b) {
    const DoubleDouble s = twoSum(a.hi, b.hi);
    const DoubleDouble t = twoSum(a.lo, b.lo);
    DoubleDouble u = fastTwoSum(s.hi, s.lo + t.hi);
    return fastTwoSum(u.hi, u.lo + t.lo);
}

inline DoubleDouble multiply(DoubleDouble a, DoubleDouble b) {
    DoubleDouble p = twoProduct(a.hi, b.hi);
    return fastTwoSum(p.hi, p.lo + (a.hi * b.lo + a.lo * b.hi));
}

inline DoubleDouble multiply(DoubleDouble a, double b) {
    DoubleDouble p = twoProduct(a.hi, b);
    return fastTwoSum(p.hi, p.lo + a.lo * b);
}

// a / b to about 2^-104.
inline DoubleDouble divide(DoubleDouble a, DoubleDouble b) {
    const double q1 = a.hi / b.hi;
    DoubleDouble r = add(a, negate(multiply(b, q1)));
    const double q2 = r.hi / b.hi;
    r = add(r, negate(multiply(b, q2)));
    const double q3 = r.hi / b.hi;
    return add(fastTwoSum(q1, q2), {q3, 0.0});
}

// sqrt(a) to about 2^-104, a > 0.
inline DoubleDouble squareRoot(DoubleDouble a) {
    const double s = squareRoot(a.hi);
    const DoubleDouble p = twoProduct(s, s);
    const double correction = (((a.hi - p.hi) - p.lo) + a.lo) / (2.0 * s);
    return fastTwoSum(s, correction);
}

// The double nearest to v.hi + v.lo when an error of `error` either way
// cannot change it; false otherwise.
inline bool decide(DoubleDouble v, double error, double& result) {
    const double low = v.hi + (v.lo - error);
    const double high = v.hi + (v.lo + error);
    if (low != high) return false;
    result = low;
    return true;
}

// --- argument reduction ----------------------------------------------------

struct Reduced {
    int quadrant;    // k mod 4
    DoubleDouble r;  // x - k pi/2
    double error;    // bound on the absolute error of r
};

// x - k pi/2 for x >= 2^20: the product of x's 53-bit significand with the
// bits of 2/pi in 24-bit pieces, each product exact, summed modulo 4.
Reduced reduceLarge(double x) {
    const uint64_t bits = bitsOf(x);
    const int exponent = static_cast<int>((bits >> 52) & 0x7ff) - 1075;  // x = m 2^exponent
    const uint64_t m = (bits & ((uint64_t{1} << 52) - 1)) | (uint64_t{1} << 52);
    const double mHigh = static_cast<double>(m >> 27);  // 26 bits, times 2^27
    const double mLow = static_cast<double>(m & ((uint64_t{1} << 27) - 1));
    // Chunk i is worth chunk 2^(-24 (i + 1)); products whose last bit is
    // worth 4 or more vanish modulo 4.
    const int first = exponent <= 1 ? 0 : (exponent + 22) / 24 - 1;
    DoubleDouble sum = {0.0, 0.0};
    auto addModulo4 = [&sum](double term) {
        if (magnitude(term) >= 0x1p53) return;  // a multiple of 8
        term = term - ((term + 0x1.8p54) - 0x1.8p54);
        const DoubleDouble s = twoSum(sum.hi, term);
        const double wrapped = s.hi - ((s.hi + 0x1.8p54) - 0x1.8p54);
        sum = {wrapped, sum.lo + s.lo};
    };
    for (int i = first; i < first + 8 && i < 50; ++i) {
        const double chunk = kTwoOverPiChunks[i];
        const int scale = exponent - 24 * (i + 1);
        addModulo4(mHigh * chunk * powerOfTwo(scale + 27));
        addModulo4(mLow * chunk * powerOfTwo(scale));
    }
    const double k = (sum.hi + kRoundToInteger) - kRoundToInteger;
    const DoubleDouble fraction = fastTwoSum(sum.hi - k, sum.lo);
    const int quadrant = static_cast<int>(k) & 3;
    return {quadrant, multiply(fraction, kHalfPiPair), 0x1p-98};
}

// x - k pi/2 with |r| <= pi/4 (a little more where k rounds to even), x >= 0.
// Below pi/4, k is 0 and r = x exactly: no branch for it, since the
// arguments the planner passes fall on both sides at random.
inline Reduced reduce(double x) {
    if (x >= 0x1p20) return reduceLarge(x);
    const double k = (x * kTwoOverPi + kRoundToInteger) - kRoundToInteger;
    const double s = x - k * kHalfPi1;  // exact: k kHalfPi1 is exact and near x
    const DoubleDouble a = twoSum(s, -(k * kHalfPi2));
    const DoubleDouble b = twoSum(a.hi, -(k * kHalfPi3));
    const DoubleDouble c = twoSum(b.hi, -(k * kHalfPi4));
    return {static_cast<int>(k) & 3, fastTwoSum(c.hi, (a.lo + b.lo) + c.lo), 0x1p-110};
}

// --- sin and cos of a reduced argument -------------------------------------

struct Split {
    int index;      // i, the table entry i/128
    double t;       // r - i/128, exact
    double tLow;    // the low part of r
    bool negative;  // r < 0; t and tLow belong to |r|
};

inline Split split(const Reduced& reduced) {
    static constexpr double kSigns[2] = {1.0, -1.0};
    const bool negative = reduced.r.hi < 0;
    const double rh = __builtin_fabs(reduced.r.hi);
    const double rl = reduced.r.lo * kSigns[negative ? 1 : 0];
    const int index = static_cast<int>(rh * 128.0 + 0.5);
    return {index, rh - index * 0.0078125, rl, negative};
}

// sin (cosine false) or cos (cosine true) of i/128 + t + tLow to about
// 2^-102, in double-double arithmetic.
DoubleDouble sinCosAccurate(bool cosine, const Split& p) {
    const SinCosPair& a = kSinCos[p.index];
    const DoubleDouble t = twoSum(p.t, p.tLow);
    const DoubleDouble u = multiply(t, t);
    const double sinRest = -1.0 / 5040 + u.hi * (1.0 / 362880 + u.hi * (-1.0 / 39916800));
    DoubleDouble q = add(kInverse120, {u.hi * sinRest, 0.0});
    q = add(negate(kInverse6), multiply(u, q));
    const DoubleDouble sinTail = multiply(multiply(t, u), q);  // sin t - t
    const double cosRest = -1.0 / 720 + u.hi * (1.0 / 40320 + u.hi * (-1.0 / 3628800));
    DoubleDouble c = add(kInverse24, {u.hi * cosRest, 0.0});
    c = add({-0.5, 0.0}, multiply(u, c));
    const DoubleDouble cosTail = multiply(u, c);  // cos t - 1
    const DoubleDouble& sinA = a.v[0];
    const DoubleDouble& cosA = a.v[1];
    if (!cosine) {
        return add(add(sinA, multiply(sinA, cosTail)), add(multiply(cosA, t), multiply(cosA, sinTail)));
    }
    return add(add(cosA, multiply(cosA, cosTail)), negate(add(multiply(sinA, t), multiply(sinA, sinTail))));
}

double sinCosAccurate(bool cosine, double x) {
    const Reduced reduced = reduce(x);
    const Split p = split(reduced);
    const int quadrant = (reduced.quadrant + (cosine ? 1 : 0)) & 3;
    const bool useCos = (quadrant & 1) != 0;
    const DoubleDouble v = sinCosAccurate(useCos, p);
    bool negative = quadrant >= 2;
    if (!useCos && p.negative) negative = !negative;
    const double result = v.hi + v.lo;
    return negative ? -result : result;
}

double tanAccurate(double x) {
    const Reduced reduced = reduce(x);
    const Split p = split(reduced);
    const DoubleDouble s = sinCosAccurate(false, p);
    const DoubleDouble c = sinCosAccurate(true, p);
    const bool odd = (reduced.quadrant & 1) != 0;
    const DoubleDouble v = odd ? divide(c, s) : divide(s, c);
    const double result = v.hi + v.lo;
    return odd != p.negative ? -result : result;
}

// --- sin, cos and tan on the common path -----------------------------------

constexpr double kSign[2] = {1.0, -1.0};

// x = n pi/256 + y + yLow with |y| <= pi/512 (a hair more where n rounds to
// even) and |yLow| within half an ulp of y; `error` bounds the absolute
// error of y + yLow.
struct Reduced256 {
    int n;
    double y;
    double yLow;
    double error;
};

// For |x| < 2^10, with pi/256 in three parts: n has at most 17 bits, so
// n P1 and n P2 are exact, and s = x - n P1 is exact (the two are close).
// The rounding error of y = s - n P2 is (s - y) - n P2 exactly: either
// |s| >= |n P2|, or both are multiples of 2^-74 below 2^-22 and y is exact.
inline Reduced256 reduceSmall(double x) {
    const double k = (x * k256OverPi + kRoundToInteger) - kRoundToInteger;
    const double s = x - k * kPiOver256_1;
    const double p2 = k * kPiOver256_2;
    const double y = s - p2;
    const double yLow = ((s - y) - p2) - k * kPiOver256_3;
    const DoubleDouble r = fastTwoSum(y, yLow);
    return {static_cast<int>(k), r.hi, r.lo, 0x1p-110};
}

// For finite |x| >= 2^10: x = k pi/2 + r first, then r = j pi/256 + y.
Reduced256 reduceOther(double x) {
    const Reduced q = reduce(magnitude(x));
    const double j = (q.r.hi * k256OverPi + kRoundToInteger) - kRoundToInteger;  // |j| <= 65
    const double s = q.r.hi - j * kPiOver256_1;                                   // exact
    const DoubleDouble a = twoSum(s, -(j * kPiOver256_2));
    const DoubleDouble b = twoSum(a.hi, (a.lo + q.r.lo) - j * kPiOver256_3);
    const DoubleDouble r = fastTwoSum(b.hi, b.lo);
    const int n = q.quadrant * 128 + static_cast<int>(j);
    if (x < 0) return {-n, -r.hi, -r.lo, q.error + 0x1p-110};
    return {n, r.hi, r.lo, q.error + 0x1p-110};
}

inline Reduced256 reduce256(double x) { return magnitude(x) < 0x1p10 ? reduceSmall(x) : reduceOther(x); }

// Where y is so small that the reduction's own error could reach 2^-70 of
// it (x within about 2^-40 of a multiple of pi), the accurate path decides.
inline bool tooSmall(const Reduced256& r) { return magnitude(r.y) < r.error * 0x1p70; }

// sin(n pi/256) for any n, from the table of the first quarter turn:
// sin(m pi/256) = sin((256 - m) pi/256), and the sign flips every 256.
inline ShortPair sinOfStep(int n) {
    const int m = n & 255;
    const int fromTop = 128 - m;
    const ShortPair& row = kSinPi256[128 - (fromTop < 0 ? -fromTop : fromTop)];
    const double sign = kSign[(n >> 8) & 1];
    return {sign * row.hi, sign * row.lo};
}

// What sin and cos of one reduced argument share: y split in halves of 26
// and 27 bits for exact products, and with r = y + yLow,
//   sin r = y + sinRest,  cos r = 1 + cosRest.
struct Series {
    double y;
    double yHigh;
    double yRest;  // y - yHigh
    double sinRest;
    double cosRest;
};

inline Series series(const Reduced256& r) {
    const double y = r.y;
    const double split = kSplitter * y;
    const double yHigh = split - (split - y);
    const double y2 = y * y;
    const double sinTail = y * y2 * (-1.0 / 6 + y2 * (1.0 / 120 + y2 * (-1.0 / 5040)));  // sin y - y
    const double cosTail = y2 * (-0.5 + y2 * (1.0 / 24 + y2 * (-1.0 / 720)));            // cos y - 1
    return {y, yHigh, y - yHigh, r.yLow + sinTail, cosTail - y * r.yLow};
}

// sin(a + r) = s cos r + c sin r for s = sin a, c = cos a, as hi + lo to
// about 2^-64 relative. s.hi + c.hi yHigh is summed exactly: the product has
// at most 52 bits, and |s.hi| >= sin(pi/256) > |c.hi yHigh| unless s.hi is 0.
inline DoubleDouble sinOfSum(ShortPair s, ShortPair c, const Series& e) {
    const double p = c.hi * e.yHigh;
    const double hi = s.hi + p;
    const double sumError = (s.hi - hi) + p;
    const double small = (sumError + s.lo) + (c.hi * e.yRest + c.lo * e.y);
    const double lo = small + ((c.hi + c.lo) * e.sinRest + (s.hi + s.lo) * e.cosRest);
    return {hi, lo};
}

// The common path's error bounds, relative to the result: about 2^-64 for
// sin and cos, one bit more for the quotient of tan.
constexpr double kSinCosBound = 0x1p-63;
constexpr double kTanBound = 0x1p-62;

// sin (turn 0) or cos (turn 128: cos x = sin(x + pi/2)) of x, 2^-27 <= |x|,
// finite; false when the common path cannot decide.
inline bool sinCosFast(int turn, const Reduced256& r, const Series& e, double& result) {
    const DoubleDouble v = sinOfSum(sinOfStep(r.n + turn), sinOfStep(r.n + turn + 128), e);
    return decide(v, kSinCosBound * magnitude(v.hi), result);
}

// tan x = sin x / cos x, with one division: the quotient q and its
// correction both multiply by 1/cos. The correction divides by c.hi alone,
// so cos is normalized first (its lo within half an ulp of hi).
inline bool tanFast(const Reduced256& r, const Series& e, double& result) {
    const DoubleDouble s = sinOfSum(sinOfStep(r.n), sinOfStep(r.n + 128), e);
    const DoubleDouble cosine = sinOfSum(sinOfStep(r.n + 128), sinOfStep(r.n + 256), e);
    const DoubleDouble c = fastTwoSum(cosine.hi, cosine.lo);
    const double inverse = 1.0 / c.hi;
    const double q = s.hi * inverse;
    const DoubleDouble p = twoProduct(q, c.hi);
    const double rest = ((((s.hi - p.hi) - p.lo) + s.lo) - q * c.lo) * inverse;
    return decide({q, rest}, kTanBound * magnitude(q), result);
}

// --- atan ------------------------------------------------------------------

struct AtanSplit {
    int index;       // j, the table entry j/64
    DoubleDouble w;  // (z - j/64) / (1 + z j/64)
};

AtanSplit atanSplit(DoubleDouble z) {  // 0 <= z <= 1
    const int index = static_cast<int>(z.hi * 64.0 + 0.5);
    const double b = index * 0.015625;
    const DoubleDouble numerator = twoSum(z.hi - b, z.lo);  // z.hi - b is exact
    DoubleDouble zb = twoProduct(z.hi, b);
    zb.lo += z.lo * b;
    DoubleDouble denominator = fastTwoSum(1.0, zb.hi);
    denominator = fastTwoSum(denominator.hi, denominator.lo + zb.lo);
    return {index, divide(numerator, denominator)};
}

// atan z for 0 <= z <= 1, to about 2^-102 (the accurate path).
DoubleDouble atanAccurate(DoubleDouble z) {
    const AtanSplit p = atanSplit(z);
    const DoubleDouble u = multiply(p.w, p.w);
    const double rest = 1.0 / 9 + u.hi * (-1.0 / 11 + u.hi * (1.0 / 13 + u.hi * (-1.0 / 15)));
    DoubleDouble q = add(negate(kInverse7), {u.hi * rest, 0.0});
    q = add(kInverse5, multiply(u, q));
    q = add(negate(kInverse3), multiply(u, q));
    const DoubleDouble tail = multiply(multiply(p.w, u), q);  // atan w - w
    return add(kAtan[p.index], add(p.w, tail));
}

// atan |x| for 2^-27 <= |x| <= 2^54 (the accurate path).
DoubleDouble atanPositive(double ax) {
    if (ax <= 1.0) return atanAccurate({ax, 0.0});
    // pi/2 - atan(1/x), with 1/x as a pair.
    const double zh = 1.0 / ax;
    const DoubleDouble p = twoProduct(zh, ax);
    const DoubleDouble z = fastTwoSum(zh, ((1.0 - p.hi) - p.lo) / ax);
    return add(kHalfPiPair, negate(atanAccurate(z)));
}

// --- acos ------------------------------------------------------------------

// acos x for 0 < |x| < 1 (the accurate path).
DoubleDouble acosInside(double x) {
    const double ax = magnitude(x);
    // 1 - x^2 as a pair: (1 - |x|)(1 + |x|) where 1 - |x| is exact.
    DoubleDouble v;
    if (ax >= 0.5) {
        v = multiply(twoSum(1.0, ax), 1.0 - ax);
    } else {
        const DoubleDouble p = twoProduct(ax, ax);
        v = fastTwoSum(1.0, -p.hi);
        v = fastTwoSum(v.hi, v.lo - p.lo);
    }
    const DoubleDouble s = squareRoot(v);  // sin(acos x)
    const DoubleDouble c = {ax, 0.0};
    if (ax <= s.hi) {
        // pi/2 - atan(x / s)
        const DoubleDouble z = divide(c, s);
        const DoubleDouble a = atanAccurate(z);
        return add(kHalfPiPair, x < 0 ? a : negate(a));
    }
    const DoubleDouble z = divide(s, c);
    const DoubleDouble a = atanAccurate(z);
    return x < 0 ? add(kPiPair, negate(a)) : a;
}

// The slope c1 of each row of kAtanSeries as a 26-bit high part and the
// rest, for an exact c1 d.
constexpr auto kAtanSlope = [] {
    std::array<ShortPair, std::size(kAtanSeries)> rows{};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const double high = splitHigh(kAtanSeries[i].c1.hi);
        rows[i] = {high, (kAtanSeries[i].c1.hi - high) + kAtanSeries[i].c1.lo};
    }
    return rows;
}();

// atan x for 2^-27 <= x <= 2^54, to about 2^-64 relative, with one
// division: with (p, q) = (x, 1) for x <= 1 and (1, x) above, z = p/q in
// [0, 1] as z + zLow (the residual p - z q is exact; zero when q = 1), and
// atan z from the Taylor series at j/64 nearest z (|d| <= 1/128); atan x is
// atan z for x <= 1, pi/2 - atan z above. The two cases are blended by
// factors 0 and 1 and a table picked, not branched on. The leading
// c0 + c1h dHigh is summed exactly: the product has at most 52 bits and is
// below c0 (or pi/2 - c0) unless c0 is 0.
DoubleDouble atanFastPositive(double x) {
    static constexpr double kFactor[2][2] = {{0.0, 1.0}, {1.0, 0.0}};  // above, below
    const int big = static_cast<int>(x > 1.0);
    const double above = kFactor[big][0];
    const double below = kFactor[big][1];
    const double p = above + below * x;
    const double q = below + above * x;
    const double z = p / q;
    const DoubleDouble zq = twoProduct(z, q);
    const double zLow = ((p - zq.hi) - zq.lo) * z;  // (p - z q) / q; 1/q is z when p is 1
    const int index = static_cast<int>(z * 64.0 + 0.5);
    const AsinRow& row = kAtanSeries[index];
    const ShortPair& slope = kAtanSlope[index];
    const double d = z - index * 0.015625;  // exact
    const double dd = d + zLow;
    const double* c = row.c;
    const double d2 = dd * dd;
    const double d4 = d2 * d2;
    const double low = (c[0] + c[1] * dd) + (c[2] + c[3] * dd) * d2;
    const double high = (c[4] + c[5] * dd) + (c[6] + c[7] * dd) * d2;
    const double tail = (low + (high + c[8] * d4) * d4) * d2;
    const double split = kSplitter * d;
    const double dHigh = split - (split - d);
    const double sign = below - above;
    const double product = sign * (slope.hi * dHigh);
    // atan b below 1, pi/2 - atan b above.
    const DoubleDouble* const bases[2] = {&row.c0, &kAtanComplement[index]};
    const DoubleDouble& base = *bases[big];
    const double hi = base.hi + product;
    const double sumError = (base.hi - hi) + product;
    const double rest = (slope.hi * (d - dHigh) + slope.lo * d) + (row.c1.hi * zLow + tail);
    return {hi, (sumError + base.lo) + sign * rest};
}

bool acosSpecial(double x, double& result) {
    if (!(magnitude(x) <= 1.0)) {
        result = std::numeric_limits<double>::quiet_NaN();
        return true;
    }
    if (x == 1.0) {
        result = 0.0;
        return true;
    }
    if (x == -1.0) {
        result = kPiPair.hi;
        return true;
    }
    if (x == 0.0) {
        result = kHalfPiPair.hi;
        return true;
    }
    return false;
}

// --- acos on the common path -----------------------------------------------

// Adding and subtracting 1.5 * 2^45 rounds a number in [0, 2^44) to a
// multiple of 1/128; the row number is then in the low bits of the sum.
constexpr double kRound128 = 0x1.8p45;
// The same with 1.5 * 2^16 keeps the bits of a number below 2^-7 down to
// 2^-36: at most 29 significant bits, so its product with a 24-bit slope is
// exact.
constexpr double kRoundHigh = 0x1.8p16;
// The common path's error bound for acos, relative to the result: the series
// left out at most 2^-69.5, the sums in plain doubles add up to about 2^-67
// (measured against MPFR at most 2^-67.7).
constexpr double kAcosBound = 0x1p-64;

// base + f (c1 d + ... + c8 d^8) for one row, and the rounding decided when
// the error bound allows; `correction` (f times the part of the argument
// below d, near |x| = 1) enters through the first derivative c1 + 2 c2 d.
// hi = base.hi + slope f dHigh is summed exactly (the product is exact and
// below base.hi, or base.hi is 0); the rest, at most about 2^-16 of the
// result, is summed in plain doubles. The polynomial has the shortest chain
// that the table load leaves: four pairs, each times a power of d.
template <bool kNearOne>
inline bool acosSeries(const AcosRow& row, const DoubleDouble& base, double d, double f, double correction,
                       double& result) {
    const double* q = row.q;
    const double fd = f * d;  // exact: f is +-1 or +-2
    const double d2 = d * d;
    const double d4 = d2 * d2;
    const double fd3 = fd * d2;
    const double fd5 = fd * d4;
    const double fd7 = fd3 * d4;
    // Near |x| = 1 the argument can be as small as 2^-27 and hi must keep
    // its full 53 bits, so the high part is relative there (26 bits).
    double fdHigh;
    if constexpr (kNearOne) {
        fdHigh = splitHigh(fd);
    } else {
        fdHigh = (fd + kRoundHigh) - kRoundHigh;
    }
    const double p = row.slope * fdHigh;
    const double hi = base.hi + p;
    double rest = base.lo + row.slope * (fd - fdHigh);
    if constexpr (kNearOne) rest += correction * ((row.slope + q[0]) + 2.0 * q[1] * d);
    const double other = ((base.hi - hi) + p) + rest;
    const double tail = ((q[0] + q[1] * d) * fd + (q[2] + q[3] * d) * fd3) +
                        ((q[4] + q[5] * d) * fd5 + (q[6] + q[7] * d) * fd7);
    const double error = kAcosBound * hi;
    const double low = hi + (tail + (other - error));
    const double high = hi + (tail + (other + error));
    if (low != high) return false;
    result = low;
    return true;
}

// The first binade of z = 1 - |x| with its own rows; below it, the square
// root form.
constexpr int kAcosBinadeLow = -4;
constexpr double kAcosBinadesFrom = 0x1p-4;  // 2^kAcosBinadeLow

// acos x on the common path, special arguments included; false when it
// cannot decide. Three forms by |x|:
//   |x| <= 1/2:          pi/2 -+ asin |x|, the asin series at i/128;
//   2^-4 < 1 - |x| < 1/2: the series of acos(1 - z) at the midpoint of the
//                         row of z = 1 - |x| (exact): 64 rows to a binade,
//                         found from the exponent and top bits of z;
//   0 < 1 - |x| <= 2^-4:  2 asin u, u = sqrt(z/2), or pi - 2 asin u, the
//                         asin series again; u = s + (z/2 - s^2)/(2s) for
//                         s the rounded square root.
// The branches follow |x|; within each the sign picks a row base and a
// factor. No square root or division above 1 - |x| = 2^-4.
inline bool acosCommon(double x, double& result) {
    const double ax = magnitude(x);
    const int negative = static_cast<int>(x < 0);
    if (ax <= 0.5) {
        const double t = ax + kRound128;
        const int index = static_cast<int>(bitsOf(t) & 0xff);
        const double d = ax - (t - kRound128);  // exact, |d| <= 1/256
        const AcosRow& row = kAcosSmall[index];
        return acosSeries<false>(row, row.base[negative], d, kSign[1 - negative], 0.0, result);
    }
    const double z = 1.0 - ax;  // exact
    if (z > kAcosBinadesFrom) {
        // z = 2^e (1 + m/64 + ...): the biased exponent and m index the row,
        // and the row midpoint keeps those bits with a one after them.
        const uint64_t bits = bitsOf(z);
        const int index = static_cast<int>(bits >> 46) - ((1023 + kAcosBinadeLow) << 6);
        const double center = fromBits((bits & ~((uint64_t{1} << 46) - 1)) | (uint64_t{1} << 45));
        const AcosRow& row = kAcosBinades[index];
        return acosSeries<false>(row, row.base[negative], z - center, kSign[negative], 0.0, result);
    }
    if (z > 0.0) {
        const double y = z * 0.5;  // exact
        const double s = squareRoot(y);
        // y - s^2 with s in halves of 26 bits: y - sHigh^2 and the rest are
        // exact up to a rounding far below what the correction needs (12
        // bits). The correction (y - s^2)/(2s) = (y - s^2) s / z multiplies
        // by 1/z from a guess on the bits of z (within 5.1 %) and two Newton
        // steps (within 2^-17): no division.
        const double sHigh = splitHigh(s);
        const double sLow = s - sHigh;
        const double e = (y - sHigh * sHigh) - (sHigh + s) * sLow;
        double inverse = fromBits(0x7FDE623822FC16E6ULL - bitsOf(z));
        inverse = inverse * (2.0 - z * inverse);
        inverse = inverse * (2.0 - z * inverse);
        const double t = s + kRound128;
        const int index = static_cast<int>(bitsOf(t) & 0xff);
        const double d = s - (t - kRound128);
        static constexpr double kFactor[2] = {2.0, -2.0};
        const double f = kFactor[negative];
        return acosSeries<true>(kAcosSmall[index], kAcosNearOne[index][negative], d, f, f * (e * (s * inverse)),
                                result);
    }
    return acosSpecial(x, result);
}

bool atanSpecial(double x, double& result) {
    const double ax = magnitude(x);
    if (ax != ax) {
        result = x + x;
        return true;
    }
    if (ax < 0x1p-27) {  // atan x = x (1 - x^2/3 + ...) rounds to x
        result = x;
        return true;
    }
    if (ax > 0x1p54) {  // pi/2 - 1/x rounds to the double nearest pi/2
        result = x < 0 ? -kHalfPiPair.hi : kHalfPiPair.hi;
        return true;
    }
    return false;
}

// Arguments sin, cos and tan settle without the series: NaN and infinities
// (NaN), and |x| < 2^-27, where sin x and tan x round to x and cos x to 1.
inline bool sinCosTanSpecial(double x) {
    const double ax = magnitude(x);
    return !(ax <= std::numeric_limits<double>::max()) || ax < 0x1p-27;
}

// The common path of each function, special arguments included; false when
// it cannot decide the rounding.
inline bool sinCommon(double x, double& result) {
    if (sinCosTanSpecial(x)) {
        result = magnitude(x) < 0x1p-27 ? x : x - x;
        return true;
    }
    const Reduced256 r = reduce256(x);
    return !tooSmall(r) && sinCosFast(0, r, series(r), result);
}

inline bool cosCommon(double x, double& result) {
    if (sinCosTanSpecial(x)) {
        result = magnitude(x) < 0x1p-27 ? 1.0 : x - x;
        return true;
    }
    const Reduced256 r = reduce256(x);
    return !tooSmall(r) && sinCosFast(128, r, series(r), result);
}

inline bool tanCommon(double x, double& result) {
    if (sinCosTanSpecial(x)) {
        result = magnitude(x) < 0x1p-27 ? x : x - x;
        return true;
    }
    const Reduced256 r = reduce256(x);
    return !tooSmall(r) && tanFast(r, series(r), result);
}

inline bool atanCommon(double x, double& result) {
    if (atanSpecial(x, result)) return true;
    const DoubleDouble v = atanFastPositive(magnitude(x));
    if (!decide(v, 0x1p-63 * v.hi, result)) return false;
    result *= kSign[x < 0 ? 1 : 0];
    return true;
}

}  // namespace

namespace detail {

bool fast(Function f, double x, double& result) {
    switch (f) {
        case Function::sin: return sinCommon(x, result);
        case Function::cos: return cosCommon(x, result);
        case Function::tan: return tanCommon(x, result);
        case Function::atan: return atanCommon(x, result);
        case Function::acos: return acosCommon(x, result);
    }
    return false;
}

double accurate(Function f, double x) {
    double result;
    const double ax = magnitude(x);
    switch (f) {
        case Function::sin:
        case Function::cos:
        case Function::tan: {
            if (!(ax <= std::numeric_limits<double>::max())) return x - x;
            if (ax < 0x1p-27) return f == Function::cos ? 1.0 : x;
            double r;
            if (f == Function::cos) return sinCosAccurate(true, ax);
            r = f == Function::sin ? sinCosAccurate(false, ax) : tanAccurate(ax);
            return x < 0 ? -r : r;
        }
        case Function::atan: {
            if (atanSpecial(x, result)) return result;
            const DoubleDouble v = atanPositive(ax);
            return x < 0 ? -(v.hi + v.lo) : v.hi + v.lo;
        }
        case Function::acos: {
            if (acosSpecial(x, result)) return result;
            const DoubleDouble v = acosInside(x);
            return v.hi + v.lo;
        }
    }
    return x - x;
}

}  // namespace detail

double sin(double x) {
    double result;
    return sinCommon(x, result) ? result : detail::accurate(detail::Function::sin, x);
}

double cos(double x) {
    double result;
    return cosCommon(x, result) ? result : detail::accurate(detail::Function::cos, x);
}

void sinCos(double x, double& s, double& c) {
    if (sinCosTanSpecial(x)) {
        s = sin(x);
        c = cos(x);
        return;
    }
    const Reduced256 r = reduce256(x);
    const bool small = tooSmall(r);
    const Series e = series(r);
    if (small || !sinCosFast(0, r, e, s)) s = detail::accurate(detail::Function::sin, x);
    if (small || !sinCosFast(128, r, e, c)) c = detail::accurate(detail::Function::cos, x);
}

double tan(double x) {
    double result;
    return tanCommon(x, result) ? result : detail::accurate(detail::Function::tan, x);
}

double atan(double x) {
    double result;
    return atanCommon(x, result) ? result : detail::accurate(detail::Function::atan, x);
}

double acos(double x) {
    double result;
    return acosCommon(x, result) ? result : detail::accurate(detail::Function::acos, x);
}

// --- two at a time -----------------------------------------------------------
//
// The common paths of atan and of sin and cos together, on two or four
// arguments at once in the vector unit: every lane makes the operations of
// the single call, in its order, so each gives the single call's bits. Table
// rows are fetched lane by lane. When any lane is one the common path does
// not cover (special arguments, sin and cos of |x| >= 2^10), every lane is
// answered by the single call; a lane whose rounding the common path cannot
// decide is answered by the accurate path, as the single call does.
//
// Four lanes need AVX (for its 32-byte registers, never its fused
// multiply-add); they are taken on x86-64 Linux when the processor has it.
// Add, subtract, multiply and divide round each lane as the scalar
// instructions do, so the width changes no bit.

namespace {

template <int N>
struct LaneVector;
template <>
struct LaneVector<2> {
    typedef double type __attribute__((vector_size(16)));
    typedef int64_t bits __attribute__((vector_size(16)));
};
template <>
struct LaneVector<4> {
    typedef double type __attribute__((vector_size(32)));
    typedef int64_t bits __attribute__((vector_size(32)));
};

// Lane code is always inlined, so that it is compiled for the instruction
// set of the function that runs it; no 32-byte vector ever crosses a call,
// so the compiler's note that such calls changed their ABI does not apply.
// (Templates are instantiated at the end of the file, so the note stays off
// to its end.)
#define KWAREL_LANES inline __attribute__((always_inline))
#pragma GCC diagnostic ignored "-Wpsabi"

template <int N, typename F, int... I>
KWAREL_LANES typename LaneVector<N>::type lanesOf(F f, std::integer_sequence<int, I...>) {
    return typename LaneVector<N>::type{f(I)...};
}

// The vector whose lane i is f(i).
template <int N, typename F>
KWAREL_LANES typename LaneVector<N>::type lanes(F f) {
    return lanesOf<N>(f, std::make_integer_sequence<int, N>());
}

template <int N>
KWAREL_LANES typename LaneVector<N>::type all(double a) {
    return lanes<N>([a](int) { return a; });
}

template <int N>
KWAREL_LANES void twoProductLanes(const typename LaneVector<N>::type& a, const typename LaneVector<N>::type& b,
                                  typename LaneVector<N>::type& p, typename LaneVector<N>::type& e) {
    using V = typename LaneVector<N>::type;
    p = a * b;
    const V ca = all<N>(kSplitter) * a;
    const V ah = ca - (ca - a);
    const V al = a - ah;
    const V cb = all<N>(kSplitter) * b;
    const V bh = cb - (cb - b);
    const V bl = b - bh;
    e = ((ah * bh - p) + ah * bl + al * bh) + al * bl;
}

// |x| on every lane, by clearing the sign bits as magnitude() does.
template <int N>
KWAREL_LANES typename LaneVector<N>::type magnitudeLanes(const typename LaneVector<N>::type& x) {
    using Bits = typename LaneVector<N>::bits;
    constexpr int64_t kNoSign = 0x7fffffffffffffff;
    return reinterpret_cast<typename LaneVector<N>::type>(reinterpret_cast<Bits>(x) & (Bits{} + kNoSign));
}

// Whether low <= m[i] < high (highIncluded: m[i] <= high) on every lane;
// never for NaN.
template <int N>
KWAREL_LANES bool allWithin(const typename LaneVector<N>::type& m, double low, double high, bool highIncluded) {
    const auto within = (m >= all<N>(low)) & (highIncluded ? m <= all<N>(high) : m < all<N>(high));
    bool every = true;
    for (int lane = 0; lane < N; ++lane) every = every && within[lane] != 0;
    return every;
}

// atanFastPositive on N arguments, 2^-27 <= x <= 2^54.
template <int N>
KWAREL_LANES void atanFastPositiveLanes(const typename LaneVector<N>::type& x, typename LaneVector<N>::type& hiOut,
                                        typename LaneVector<N>::type& loOut) {
    using V = typename LaneVector<N>::type;
    bool big[N];
    for (int lane = 0; lane < N; ++lane) big[lane] = x[lane] > 1.0;
    const V above = lanes<N>([&big](int lane) { return big[lane] ? 1.0 : 0.0; });
    const V below = lanes<N>([&big](int lane) { return big[lane] ? 0.0 : 1.0; });
    const V p = above + below * x;
    const V q = below + above * x;
    const V z = p / q;
    V zqHi, zqLo;
    twoProductLanes<N>(z, q, zqHi, zqLo);
    const V zLow = ((p - zqHi) - zqLo) * z;
    const V scaled = z * all<N>(64.0) + all<N>(0.5);
    int index[N];
    for (int lane = 0; lane < N; ++lane) index[lane] = static_cast<int>(scaled[lane]);
    const V d = z - lanes<N>([&index](int lane) { return static_cast<double>(index[lane]); }) * all<N>(0.015625);
    const V dd = d + zLow;
    V c[9];
    for (int k = 0; k < 9; ++k) c[k] = lanes<N>([&index, k](int lane) { return kAtanSeries[index[lane]].c[k]; });
    const V d2 = dd * dd;
    const V d4 = d2 * d2;
    const V low = (c[0] + c[1] * dd) + (c[2] + c[3] * dd) * d2;
    const V high = (c[4] + c[5] * dd) + (c[6] + c[7] * dd) * d2;
    const V tail = (low + (high + c[8] * d4) * d4) * d2;
    const V split = all<N>(kSplitter) * d;
    const V dHigh = split - (split - d);
    const V sign = below - above;
    const V slopeHi = lanes<N>([&index](int lane) { return kAtanSlope[index[lane]].hi; });
    const V slopeLo = lanes<N>([&index](int lane) { return kAtanSlope[index[lane]].lo; });
    const V product = sign * (slopeHi * dHigh);
    auto base = [&big, &index](int lane) -> const DoubleDouble& {
        return big[lane] ? kAtanComplement[index[lane]] : kAtanSeries[index[lane]].c0;
    };
    const V baseHi = lanes<N>([&base](int lane) { return base(lane).hi; });
    const V baseLo = lanes<N>([&base](int lane) { return base(lane).lo; });
    const V hi = baseHi + product;
    const V sumError = (baseHi - hi) + product;
    const V c1Hi = lanes<N>([&index](int lane) { return kAtanSeries[index[lane]].c1.hi; });
    const V rest = (slopeHi * (d - dHigh) + slopeLo * d) + (c1Hi * zLow + tail);
    hiOut = hi;
    loOut = (sumError + baseLo) + sign * rest;
}

// decide() on every lane; bit i of the result is set when lane i decided.
template <int N>
KWAREL_LANES int decideLanes(const typename LaneVector<N>::type& hi, const typename LaneVector<N>::type& lo,
                             const typename LaneVector<N>::type& error, typename LaneVector<N>::type& result) {
    using V = typename LaneVector<N>::type;
    const V low = hi + (lo - error);
    const V high = hi + (lo + error);
    result = low;
    int decided = 0;
    for (int lane = 0; lane < N; ++lane) decided |= low[lane] == high[lane] ? 1 << lane : 0;
    return decided;
}

template <int N>
KWAREL_LANES void atanLanes(const double* in, double* out) {
    using V = typename LaneVector<N>::type;
    double x[N];  // `out` may be `in`
    for (int lane = 0; lane < N; ++lane) x[lane] = in[lane];
    const V v = lanes<N>([&x](int lane) { return x[lane]; });
    const V m = magnitudeLanes<N>(v);
    // Not atanSpecial: no NaN, 2^-27 <= |x| <= 2^54.
    if (!allWithin<N>(m, 0x1p-27, 0x1p54, true)) {
        for (int lane = 0; lane < N; ++lane) out[lane] = atan(x[lane]);
        return;
    }
    V hi, lo, result;
    atanFastPositiveLanes<N>(m, hi, lo);
    const int decided = decideLanes<N>(hi, lo, all<N>(0x1p-63) * hi, result);
    for (int lane = 0; lane < N; ++lane) {
        out[lane] = (decided & (1 << lane)) != 0 ? result[lane] * kSign[x[lane] < 0 ? 1 : 0]
                                                 : detail::accurate(detail::Function::atan, x[lane]);
    }
}

// reduceSmall and series on N arguments: each lane's step n and what sin and
// cos of its reduced argument share, as Series holds for one.
template <int N>
struct SeriesLanes {
    typename LaneVector<N>::type y, yHigh, yRest, sinRest, cosRest;
    int n[N];
};

template <int N>
KWAREL_LANES void seriesLanes(const typename LaneVector<N>::type& v, SeriesLanes<N>& e) {
    using V = typename LaneVector<N>::type;
    // reduceSmall
    const V k = (v * all<N>(k256OverPi) + all<N>(kRoundToInteger)) - all<N>(kRoundToInteger);
    const V sPart = v - k * all<N>(kPiOver256_1);
    const V p2 = k * all<N>(kPiOver256_2);
    const V y0 = sPart - p2;
    const V yLow0 = ((sPart - y0) - p2) - k * all<N>(kPiOver256_3);
    const V y = y0 + yLow0;  // fastTwoSum
    const V yLow = yLow0 - (y - y0);
    for (int lane = 0; lane < N; ++lane) e.n[lane] = static_cast<int>(k[lane]);
    // series
    const V split = all<N>(kSplitter) * y;
    e.y = y;
    e.yHigh = split - (split - y);
    e.yRest = y - e.yHigh;
    const V y2 = y * y;
    const V sinTail = y * y2 * (all<N>(-1.0 / 6) + y2 * (all<N>(1.0 / 120) + y2 * all<N>(-1.0 / 5040)));
    const V cosTail = y2 * (all<N>(-0.5) + y2 * (all<N>(1.0 / 24) + y2 * all<N>(-1.0 / 720)));
    e.sinRest = yLow + sinTail;
    e.cosRest = cosTail - y * yLow;
}

// sinOfSum on N lanes: the sines and cosines of each lane's step, then the
// reduced argument's series.
template <int N>
KWAREL_LANES void sinOfSumLanes(const ShortPair* sines, const ShortPair* cosines, const SeriesLanes<N>& e,
                                typename LaneVector<N>::type& hiOut, typename LaneVector<N>::type& loOut) {
    using V = typename LaneVector<N>::type;
    const V sHi = lanes<N>([sines](int lane) { return sines[lane].hi; });
    const V sLo = lanes<N>([sines](int lane) { return sines[lane].lo; });
    const V cHi = lanes<N>([cosines](int lane) { return cosines[lane].hi; });
    const V cLo = lanes<N>([cosines](int lane) { return cosines[lane].lo; });
    const V p = cHi * e.yHigh;
    const V hi = sHi + p;
    const V sumError = (sHi - hi) + p;
    const V small = (sumError + sLo) + (cHi * e.yRest + cLo * e.y);
    hiOut = hi;
    loOut = small + ((cHi + cLo) * e.sinRest + (sHi + sLo) * e.cosRest);
}

template <int N>
KWAREL_LANES void sinCosLanes(const double* in, double* s, double* c) {
    using V = typename LaneVector<N>::type;
    double x[N];  // `s` or `c` may be `in`
    for (int lane = 0; lane < N; ++lane) x[lane] = in[lane];
    const V v = lanes<N>([&x](int lane) { return x[lane]; });
    // Not sinCosTanSpecial, and reduceSmall's range: 2^-27 <= |x| < 2^10.
    if (!allWithin<N>(magnitudeLanes<N>(v), 0x1p-27, 0x1p10, false)) {
        for (int lane = 0; lane < N; ++lane) sinCos(x[lane], s[lane], c[lane]);
        return;
    }
    SeriesLanes<N> e;
    seriesLanes<N>(v, e);
    // sinOfSum for sin (steps n and n + 128) and cos (n + 128 and n + 256).
    ShortPair a[N], b[N], d[N];
    for (int lane = 0; lane < N; ++lane) {
        a[lane] = sinOfStep(e.n[lane]);
        b[lane] = sinOfStep(e.n[lane] + 128);
        d[lane] = sinOfStep(e.n[lane] + 256);
    }
    V sinHi, sinLo, cosHi, cosLo, sinResult, cosResult;
    sinOfSumLanes<N>(a, b, e, sinHi, sinLo);
    sinOfSumLanes<N>(b, d, e, cosHi, cosLo);
    const int sinDecided = decideLanes<N>(sinHi, sinLo, all<N>(kSinCosBound) * magnitudeLanes<N>(sinHi), sinResult);
    const int cosDecided = decideLanes<N>(cosHi, cosLo, all<N>(kSinCosBound) * magnitudeLanes<N>(cosHi), cosResult);
    for (int lane = 0; lane < N; ++lane) {
        // tooSmall: the reduction's error could reach 2^-70 of y.
        const bool small = magnitude(e.y[lane]) < 0x1p-110 * 0x1p70;
        s[lane] = !small && (sinDecided & (1 << lane)) != 0 ? sinResult[lane]
                                                            : detail::accurate(detail::Function::sin, x[lane]);
        c[lane] = !small && (cosDecided & (1 << lane)) != 0 ? cosResult[lane]
                                                            : detail::accurate(detail::Function::cos, x[lane]);
    }
}

#if defined(__x86_64__) && defined(__linux__) && defined(__GNUC__)
#define KWAREL_FOUR_LANES 1

// Four at a time while four are left; returns how many were done.
__attribute__((target("avx"))) int atanFour(const double* x, double* out, int count) {
    int i = 0;
    for (; i + 4 <= count; i += 4) atanLanes<4>(x + i, out + i);
    return i;
}

__attribute__((target("avx"))) int sinCosFour(const double* x, double* s, double* c, int count) {
    int i = 0;
    for (; i + 4 <= count; i += 4) sinCosLanes<4>(x + i, s + i, c + i);
    return i;
}

bool processorHasAvx() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx") != 0;
}

std::atomic<bool> fourLanes{processorHasAvx()};
#endif

}  // namespace

namespace detail {
bool useFourLanes(bool use) {
#if defined(KWAREL_FOUR_LANES)
    return fourLanes.exchange(use && processorHasAvx(), std::memory_order_relaxed);
#else
    (void)use;
    return false;
#endif
}
}  // namespace detail

void atanMany(const double* x, double* out, int count) {
    int i = 0;
#if defined(KWAREL_FOUR_LANES)
    if (count >= 4 && fourLanes.load(std::memory_order_relaxed)) i = atanFour(x, out, count);
#endif
    for (; i + 2 <= count; i += 2) atanLanes<2>(x + i, out + i);
    if (i < count) out[i] = atan(x[i]);
}

void sinCosMany(const double* x, double* s, double* c, int count) {
    int i = 0;
#if defined(KWAREL_FOUR_LANES)
    if (count >= 4 && fourLanes.load(std::memory_order_relaxed)) i = sinCosFour(x, s, c, count);
#endif
    for (; i + 2 <= count; i += 2) sinCosLanes<2>(x + i, s + i, c + i);
    if (i < count) sinCos(x[i], s[i], c[i]);
}

}  // namespace kwarel::elementary
