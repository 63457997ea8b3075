#include "store/elementary.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <limits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// How the functions work. Every argument is brought to a small range where
// a table of exact values and a short series do the rest. The common path:
//   - sin, cos, tan: x = n pi/256 + y with |y| <= pi/512 (three-part pi/256
//     for |x| < 2^10; beyond, x = k pi/2 + r first), and sin(n pi/256 + y)
//     = S cos y + C sin y with S, C = sin, cos of n pi/256 from a table of
//     the first quarter turn; cos x is sin(x + pi/2), tan x = sin x / cos x;
//   - atan: z = |x| or 1/|x| in [0, 1], atan z from the Taylor series of
//     atan at j/64 nearest z, and pi/2 - atan z for |x| > 1;
//   - acos: through asin of |x| <= 1/2 or of sqrt((1 - |x|)/2), from the
//     Taylor series of asin at i/128.
// It works in plain doubles: the table values whose products lead the sum
// are kept as a 26-bit part and a rest, so that one exact product and one
// exact sum give hi, and everything else is a small lo. When the error
// bound (about 2^-63 of the result) cannot change the rounding of hi + lo,
// the accurate path redoes the work in double-double arithmetic (about
// 2^-100): x = k pi/2 + r, r = i/128 + t and the table of sin and cos of
// i/128; atan z = atan(j/64) + atan(w), w = (z - j/64) / (1 + z j/64); acos
// through atan of sqrt(1 - x^2)/|x| or its inverse. The common path avoids
// branches whose outcome follows the argument at random (quadrants, signs,
// x above or below 1): it picks table rows and factors instead. The tables
// come from tools/elementary_tables.cpp.

namespace kwarel::elementary {
namespace {

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

// asin(i/128 + d) = c0 + c1 d + c[0] d^2 + ... + c[8] d^10
constexpr AsinRow kAsin[] = {
    {{0x0p+0, 0x0p+0}, {0x1p+0, 0x0p+0}, {0x0p+0, 0x1.5555555555555p-3, 0x0p+0, 0x1.3333333333333p-4, 0x0p+0, 0x1.6db6db6db6db7p-5, 0x0p+0, 0x1.f1c71c71c71c7p-6, 0x0p+0}},
    {{0x1.0000aaabdde0cp-7, -0x1.ab2904d668b9dp-61}, {0x1.000200060014p+0, 0x1.1803f00e7035ap-58}, {0x1.0006001e008cp-8, 0x1.556d561d5a702p-3, 0x1.801900f507623p-9, 0x1.336f37075c8cap-4, 0x1.4028d7eaf31d7p-9, 0x1.6e42ea32a51ebp-5, 0x1.183b1595a9e18p-9, 0x1.f3024e1725b0bp-6, 0x1.f89ee4f99e3aap-10}},
    {{0x1.0002aabdde94cp-6, 0x1.130cd26cdfa37p-62}, {0x1.0008006005004p+0, 0x1.80fc0e70d68c9p-54}, {0x1.001801e023027p-7, 0x1.55b561d69c1d9p-3, 0x1.80640f51d8b1ap-8, 0x1.3423707d8a98bp-4, 0x1.40a37eb4c82d1p-8, 0x1.6fe7c7e95018dp-5, 0x1.18ec996b7bacp-8, 0x1.f6b63799a0df5p-6, 0x1.fa7c8fee3d68ap-9}},
    {{0x1.80090091d9024p-6, 0x1.1158c93fa3e42p-62}, {0x1.001201e638fbp+0, 0x1.7495d256642e8p-55}, {0x1.80510e3f5660bp-7, 0x1.562d94abe13acp-3, 0x1.20a8fa3388484p-7, 0x1.355069bd129a9p-4, 0x1.e2287a739b8e7p-8, 0x1.72a78a19349c5p-5, 0x1.a71fffddfaf5ep-8, 0x1.fce9dcda5db63p-6, 0x1.7e34f9936552ep-8}},
    {{0x1.000aabde0b9c8p-5, 0x1.d6d94551be3e9p-61}, {0x1.0020060140461p+0, -0x1.e3194a6d70f37p-59}, {0x1.00601e08c276bp-6, 0x1.56d61da71d91fp-3, 0x1.8190f57651b41p-7, 0x1.36f709ca192f4p-4, 0x1.428fecb2dd781p-7, 0x1.7685ae5c79889p-5, 0x1.1bb69af2382f9p-7, 0x1.02d481ce8a302p-5, 0x1.01010a0716062p-7}},
    {{0x1.4014d8ffaf8afp-5, -0x1.3090b48c9545fp-59}, {0x1.00320eaac655dp+0, -0x1.9679d79caa42dp-56}, {0x1.40bbdbb74b84cp-6, 0x1.57af3ed58e51cp-3, 0x1.e3102de2f6308p-7, 0x1.391895aaf741p-4, 0x1.9503f64f88efbp-7, 0x1.7b872100a4955p-5, 0x1.6546d8d346a27p-7, 0x1.088229639973ep-5, 0x1.44d1b412f303ap-7}},
    {{0x1.8024091fdb0a9p-5, 0x1.80650020adbcap-60}, {0x1.00481e6e44059p+0, 0x1.03acae7576bffp-54}, {0x1.8144e465df56p-6, 0x1.58b94d7a886dep-3, 0x1.22a6a630e08e8p-6, 0x1.3bb6b206050e7p-4, 0x1.e8b0bf3a8df99p-7, 0x1.81b246668f2e5p-5, 0x1.b0a02677abecbp-7, 0x1.0f88bf5c7121ep-5, 0x1.8b107f24374fep-7}},
    {{0x1.c0393e65c2c93p-5, 0x1.0d0a050c59955p-60}, {0x1.00623869ff721p+0, 0x1.d48433c73e9p-54}, {0x1.c2046e1dcdd94p-6, 0x1.59f4b251399b2p-3, 0x1.5437c642256dfp-6, 0x1.3ed3653adf6fbp-4, 0x1.1eec1e6622f14p-6, 0x1.890f073a94d31p-5, 0x1.fe255c66be7dep-7, 0x1.17f5c1aeb82bep-5, 0x1.d447f3eeee59p-7}},
    {{0x1.002abde953619p-4, 0x1.182e2dc6ddeedp-58}, {0x1.00806050463f4p+0, -0x1.828b6295ee621p-54}, {0x1.0181e23278b7fp-5, 0x1.5b61e9ddafe71p-3, 0x1.864f6db9edae1p-6, 0x1.427119fb2aadbp-4, 0x1.4a5f258b28dc2p-6, 0x1.91a6dfa5adec1p-5, 0x1.271ec0e36e2b1p-6, 0x1.21d9766133866p-5, 0x1.10854fcf70322p-6}},
    {{0x1.203ce2b380cd3p-4, -0x1.9210506159851p-59}, {0x1.00a29a68e33c6p+0, -0x1.fc03924fa2d0dp-57}, {0x1.222625fe1536cp-5, 0x1.5d0184cd8fdap-3, 0x1.b901fbe20c0bbp-6, 0x1.4692a267d026cp-4, 0x1.76d4838c721f9p-6, 0x1.9b84f1a058475p-5, 0x1.50aa4d5224ee3p-6, 0x1.2d47179d0b725p-5, 0x1.38fa585c5ddafp-6}},
    {{0x1.405390240e6fdp-4, 0x1.1ed0159037972p-58}, {0x1.00c8eb92d0899p+0, -0x1.21bd3807a2df1p-56}, {0x1.42f3c358bf56fp-5, 0x1.5ed42868f5c98p-3, 0x1.ec64492a26c6ap-6, 0x1.4b3b3bb8bb4fdp-4, 0x1.a47096ab28fccp-6, 0x1.a6b61a98ef9c9p-5, 0x1.7bee41e38745cp-6, 0x1.3a55082448586p-5, 0x1.63d6db7cb1faep-6}},
    {{0x1.606f49730ccc5p-4, 0x1.9850602873eadp-60}, {0x1.00f3594627903p+0, 0x1.ea0772d42fdc4p-56}, {0x1.63ef8ba4795bbp-5, 0x1.60da8f1414a82p-3, 0x1.1045dc1aec3acp-5, 0x1.506e927632444p-4, 0x1.d3593ec2b82bfp-6, 0x1.b3490ca88d53ap-5, 0x1.a926ef4735a44p-6, 0x1.491d10ed080c7p-5, 0x1.91754677859fap-6}},
    {{0x1.809092913e52ep-4, 0x1.cf6b1f9befb16p-60}, {0x1.0121e99650547p+0, -0x1.ef574385b7b2ap-54}, {0x1.851e62bfa7b8p-5, 0x1.631588e23b648p-3, 0x1.2ac723cfd763cp-5, 0x1.5630c74c11239p-4, 0x1.01db090c55949p-5, 0x1.c14e6b9bd36ddp-5, 0x1.d89487c1a54c1p-6, 0x1.59bca8c47580ap-5, 0x1.c237b966a1ebfp-6}},
    {{0x1.a0b7f03ba78acp-4, 0x1.649d95519e008p-58}, {0x1.0154a33471d84p+0, -0x1.d0b9d3605464bp-57}, {0x1.a685411514a9fp-5, 0x1.6585fc3b01f7dp-3, 0x1.45c15244e67e8p-5, 0x1.5c8674807153bp-4, 0x1.1ad84ac95d74bp-5, 0x1.d0d8ee2052e5dp-5, 0x1.053dd4a6185aep-5, 0x1.6c5547044f072p-5, 0x1.f68931746fe21p-6}},
    {{0x1.c0e5e80f7172dp-4, 0x1.d8eeba8bc003p-58}, {0x1.018b8d7225808p+0, 0x1.5f957888f35b7p-56}, {0x1.c82935bc525d2p-5, 0x1.682ce69278d34p-3, 0x1.61401f0b4814ap-5, 0x1.6374b418a219cp-4, 0x1.34ba3c6600d13p-5, 0x1.e1fd8373b6ebfp-5, 0x1.1f92fa17fafap-5, 0x1.810cc2928e2d2p-5, 0x1.176f6a57ef746p-5}},
    {{0x1.e11b009e269b5p-4, 0x1.865800d58cefcp-59}, {0x1.01c6b0446fa3fp+0, -0x1.55a6eb4e0463ap-58}, {0x1.ea0f68ac4f197p-5, 0x1.6b0b5d35509b3p-3, 0x1.7d4facf2b2287p-5, 0x1.6b0126b8d2ee9p-4, 0x1.4f97eb469f979p-5, 0x1.f4d37dffb6899p-5, 0x1.3b7157f763794p-5, 0x1.980dbe957a461p-5, 0x1.35dcb26e8df6ep-5}},
    {{0x1.00abe0c129e1ep-3, 0x1.7ceb0ee49d42ap-60}, {0x1.02061446ffa9ap+0, -0x1.3e4dd7a0f0c8dp-54}, {0x1.061e8e8103b88p-4, 0x1.6e228e2a0d52fp-3, 0x1.99fc94d90435p-5, 0x1.7331fb4c6e147p-4, 0x1.6b89bd1c4ff93p-5, 0x1.04ba61ae9f4bbp-4, 0x1.5903c0422cd36p-5, 0x1.b188268022b34p-5, 0x1.56d36fb5ede68p-5}},
    {{0x1.10ce59ba4a8c4p-3, -0x1.ecbd1cfea3329p-61}, {0x1.0249c2bfba5a5p+0, -0x1.bba47efe330a2p-54}, {0x1.175bd9aeaecd4p-4, 0x1.7173c128777a3p-3, 0x1.b753f11b68fb6p-5, 0x1.7c0df786e847dp-4, 0x1.88a99563e4f56p-5, 0x1.0fff012547c8ep-4, 0x1.78789724bee36p-5, 0x1.cdb1bb5d29fcfp-5, 0x1.7aa228cfe103ep-5}},
    {{0x1.20f530308cc2p-3, -0x1.ed63934b583b4p-57}, {0x1.0291c5a2914b9p+0, -0x1.99132ef934ec5p-54}, {0x1.28c2562b1dbb8p-4, 0x1.750058a89f789p-3, 0x1.d56369ba8f121p-5, 0x1.859c814ebea71p-4, 0x1.a712fe05a369dp-5, 0x1.1c477799bc02ap-4, 0x1.9a02418651aecp-5, 0x1.ecc6b4895d1e3p-5, 0x1.a19ff4815cccbp-5}},
    {{0x1.3120a9bed2f46p-3, -0x1.c02be339d3487p-57}, {0x1.02de2795aa91ep+0, 0x1.969cf9bd17c71p-54}, {0x1.3a54d586232bap-4, 0x1.78c9d30aec511p-3, 0x1.f439414506dbfp-5, 0x1.8fe5a9268475dp-4, 0x1.c6e353767b7e1p-5, 0x1.29a544005d1bfp-4, 0x1.bdd79fa3f521p-5, 0x1.07853b333b729p-4, 0x1.cc2da4b953db8p-5}},
    {{0x1.41510cb011423p-3, -0x1.15d675180eda8p-58}, {0x1.032ef3f5dc32cp+0, 0x1.b9f313919470ap-57}, {0x1.4c163be9c863ep-4, 0x1.7cd1cbdad651ap-3, 0x1.09f2314e3cd56p-4, 0x1.9af235aa4669dp-4, 0x1.e839f4c62cc13p-5, 0x1.382baffe36223p-4, 0x1.e434955f7ffe2p-5, 0x1.1a6430f94de15p-4, 0x1.fab719c5e1232p-5}},
    {{0x1.5186a00ade974p-3, 0x1.4d5f66b2b5c3cp-59}, {0x1.038436db7f1e8p+0, 0x1.c75c9ea6dc3acp-56}, {0x1.5e0981806fdadp-4, 0x1.8119fd2e19a92p-3, 0x1.1a3a37d622ab8p-4, 0x1.a6cbb03a30d41p-4, 0x1.059c3c08de6b3p-4, 0x1.47effa5a97023p-4, 0x1.06ad5110119cp-4, 0x1.2f2a60526e401p-4, 0x1.16da61f827628p-4}},
    {{0x1.61c1ab9d55d3p-3, -0x1.95a37debb0f64p-57}, {0x1.03ddfd1f9dd13p+0, -0x1.c95a31ca69f7dp-59}, {0x1.7031b3ec22c6ap-4, 0x1.85a441225beb2p-3, 0x1.2afce8950b937p-4, 0x1.b37c72ee5a759p-4, 0x1.180171efa661ap-4, 0x1.59098674f52e2p-4, 0x1.1cc8c531de934p-4, 0x1.4606e83a8e56p-4, 0x1.32d6ad5b0a675p-4}},
    {{0x1.720278094cd3cp-3, 0x1.fa81a09cedb07p-57}, {0x1.043c54618312fp+0, -0x1.6925d653a0ad8p-54}, {0x1.8291f7d083edbp-4, 0x1.8a72937b7300dp-3, 0x1.3c42e3bdb76e1p-4, 0x1.c10fb7f2e19cep-4, 0x1.2b5ff6fbec8c7p-4, 0x1.6b9211560c6d4p-4, 0x1.34940ab5c7deap-4, 0x1.5f2e7a48a411dp-4, 0x1.519be8ff8223cp-4}},
    {{0x1.82494ed0e78fcp-3, -0x1.443c2697a7d2fp-57}, {0x1.049f4b0cadb3bp+0, 0x1.bb890653e497cp-54}, {0x1.952d8a70fd76cp-4, 0x1.8f871364b45f7p-3, 0x1.4e153e6ec33c2p-4, 0x1.cf91aa6f3828bp-4, 0x1.3fcca03287c26p-4, 0x1.7fa5ed07e4435p-4, 0x1.4e3a70e328fa4p-4, 0x1.7adc07fb4de3bp-4, 0x1.737ecb87d061cp-4}},
    {{0x1.92967a638db38p-3, -0x1.9cd53f748193ep-60}, {0x1.0506f05f2e873p+0, 0x1.bb5f6a1292fb2p-54}, {0x1.a807c364ddb88p-4, 0x1.94e40557f12a7p-3, 0x1.607d8c77fe7b1p-4, 0x1.df0f791f9ae05p-4, 0x1.555de2a6b6b17p-4, 0x1.956442f7f8844p-4, 0x1.69eba9ef52c8cp-4, 0x1.995187fc32ba5p-4, 0x1.98de9049fef35p-4}},
    {{0x1.a2ea462b4998ep-3, -0x1.51d494caa9d7p-57}, {0x1.057354707655fp+0, 0x1.58d85a325840bp-54}, {0x1.bb241663384e7p-4, 0x1.9a8bd52d07cdp-3, 0x1.7385eae2eda93p-4, 0x1.ef976acc50af3p-4, 0x1.6c2bfd3fd3a39p-4, 0x1.acef5e41c4bcap-4, 0x1.87dc51150705ep-4, 0x1.bad8d6d9adb87p-4, 0x1.c2266f838a552p-4}},
    {{0x1.b344fe9a97c4dp-3, 0x1.17c005e947d2bp-58}, {0x1.05e4883899f3dp+0, -0x1.3ae6d36729422p-55}, {0x1.ce861528855a6p-4, 0x1.a08118553e4f6p-3, 0x1.87390b521331fp-4, 0x1.009c7a67c0434p-3, 0x1.845126cc27e66p-4, 0x1.c66cfedee49ecp-4, 0x1.a846818e255c3p-4, 0x1.dfc4b745ed3b6p-4, 0x1.efcf4e7d4a069p-4}},
    {{0x1.c3a6f13aae84bp-3, -0x1.7739d10fe8bc1p-57}, {0x1.065a9d98132e6p+0, -0x1.549771762b513p-54}, {0x1.e231717821274p-4, 0x1.a6c69045eb07ep-3, 0x1.9ba2404c9cc04p-4, 0x1.0a0269f0229f8p-3, 0x1.9de9c0e525a3dp-4, 0x1.e206b6dd81823p-4, 0x1.cb6a80d04ce9fp-4, 0x1.0438fb4962617p-3, 0x1.1130d85b2e99fp-3}},
    {{0x1.d4106cba45b08p-3, 0x1.ee49ea61bfe56p-57}, {0x1.06d5a76005d46p+0, 0x1.b681116df254dp-55}, {0x1.f629ff3bfabbcp-4, 0x1.ad5f2d164c2e3p-3, 0x1.b0cd8a8e55c3cp-4, 0x1.140693b01e9a9p-3, 0x1.b914903a303dcp-4, 0x1.ffea52e69bc1bp-4, 0x1.f18f7ec8d61d6p-4, 0x1.1aa45d7345f79p-3, 0x1.2d3bfa6054722p-3}},
    {{0x1.e481c0fce7134p-3, 0x1.c9bcb7ab7132bp-62}, {0x1.0755b95b10b0ep+0, -0x1.f223ae7a5bbafp-54}, {0x1.0539db627862bp-3, 0x1.b44e1054d3541p-3, 0x1.c6c7a77648cap-4, 0x1.1eb2c7b821295p-3, 0x1.d5f2faea626fbp-4, 0x1.102527c6624eep-3, 0x1.0d82379f994c2p-3, 0x1.335f00c6f32fap-3, 0x1.4c6074ac526dap-3}},
    {{0x1.f4fb3f2ad079bp-3, 0x1.06aa46436695ap-58}, {0x1.07dae856b2fa7p+0, 0x1.156e2a0b1edc8p-54}, {0x1.0f895b9749073p-3, 0x1.bb9690189901ep-3, 0x1.dd9e20b1513p-4, 0x1.2a11a70caedc7p-3, 0x1.f4a94dabcc202p-4, 0x1.21af2e890ba7fp-3, 0x1.241080008b698p-3, 0x1.4eaaaa6f5729fp-3, 0x1.6f0164bde850ap-3}},
    {{0x1.02be9ce0b87cdp-2, 0x1.e5d09da2e0f04p-58}, {0x1.08654a2d4f6dbp+0, -0x1.fcd7aa9a877b8p-54}, {0x1.1a05a47498fd8p-3, 0x1.c33c3a5427fcp-3, 0x1.f55f5d410ffb9p-4, 0x1.362eb5f045f67p-3, 0x1.0aaf844bee781p-3, 0x1.34b1f9c970a7cp-3, 0x1.3ca358067b593p-3, 0x1.6cd161309b906p-3, 0x1.958f5873b2e02p-3}},
    {{0x1.0b04025245cccp-2, 0x1.784cec5727455p-56}, {0x1.08f4f5d0d70aap+0, -0x1.1c32ba20e26c2p-54}, {0x1.24b0f036c176ep-3, 0x1.cb42d86f588d9p-3, 0x1.070d5a01a69dap-3, 0x1.431670135636dp-3, 0x1.1c1f9a48cdbc4p-3, 0x1.494f7ce56e308p-3, 0x1.5771064c87bd1p-3, 0x1.8e268db803895p-3, 0x1.c08a4ec8e9241p-3}},
    {{0x1.134dfa9805147p-2, -0x1.bbe27a4ac52e2p-56}, {0x1.098a035626467p+0, 0x1.079a4ca43d3c9p-57}, {0x1.2f8d908e98498p-3, 0x1.d3ae732e8c418p-3, 0x1.13f03ff0ec572p-3, 0x1.50d65ee118d16p-3, 0x1.2ebc612dbc4d4p-3, 0x1.5fad407f66227p-3, 0x1.74b60ccdf5a33p-3, 0x1.b308461f1e921p-3, 0x1.f0840b3c0f4f7p-3}},
    {{0x1.1b9cb12545e62p-2, -0x1.7f2d0bf1d163p-57}, {0x1.0a248c0120673p+0, 0x1.b8f8099eeee0cp-55}, {0x1.3a9df02a21e16p-3, 0x1.dc8356ee43a9bp-3, 0x1.21611aebc421bp-3, 0x1.5f7d322705a2bp-3, 0x1.429f7a4c5844dp-3, 0x1.77f4cc7adb84cp-3, 0x1.94b5f63227ca6p-3, 0x1.dbe0cba3d1cdap-3, 0x1.131165275a942p-2}},
    {{0x1.23f0523c5dc2bp-2, 0x1.4fc2674a3d6b2p-59}, {0x1.0ac4aa5195bf3p+0, -0x1.138c42820d226p-54}, {0x1.45e49457b8d6p-3, 0x1.e5c6183ac4587p-3, 0x1.2f693e7e09901p-3, 0x1.6f1adb5c8ae8ap-3, 0x1.57e4eb1106519p-3, 0x1.92541faf106e5p-3, 0x1.b7bc3ff02093bp-3, 0x1.04942168d6689p-2, 0x1.311234218efdcp-2}},
    {{0x1.2c490af8bde81p-2, -0x1.61b192e95f88bp-56}, {0x1.0b6a7a110290ap+0, -0x1.33d4689f8eab7p-55}, {0x1.51641ec5ecb25p-3, 0x1.ef7b98cc57818p-3, 0x1.3e12a46728775p-3, 0x1.7fc0abd9afcf4p-3, 0x1.6eab5f2434e4ep-3, 0x1.aefe373fbc9dcp-3, 0x1.de1d65ba6c58bp-3, 0x1.1db357e7b8004p-2, 0x1.52b1073f23c95p-2}},
    {{0x1.34a709597aab1p-2, -0x1.70f1371722985p-56}, {0x1.0c16186135911p+0, 0x1.d0c42851f934fp-54}, {0x1.5d1f4f628f5f2p-3, 0x1.f9a90cf194a64p-3, 0x1.4d67fafd77761p-3, 0x1.9181765593578p-3, 0x1.8714726ce0ad8p-3, 0x1.ce2ba7d8c6267p-3, 0x1.041c09b10f33bp-2, 0x1.399b2120d398dp-2, 0x1.786a3ff02536bp-2}},
    {{0x1.3d0a7c4c4bd9cp-2, -0x1.87f647bb796d8p-58}, {0x1.0cc7a3cbee4dcp+0, 0x1.8b39c91b4e252p-54}, {0x1.6919065ba45dp-3, 0x1.022a00b919398p-2, 0x1.5d74b4f289006p-3, 0x1.a471b4117af94p-3, 0x1.a145040071e97p-3, 0x1.f01b4b639f1dfp-3, 0x1.1b3b419fd173bp-2, 0x1.58a2ff23b7cfcp-2, 0x1.a2cc908fc4a5ep-2}},
    {{0x1.457393b90e2aap-2, 0x1.b1f64d329fe98p-56}, {0x1.0d7f3c53851c3p+0, -0x1.95634658de958p-59}, {0x1.755446452737bp-3, 0x1.07c130faff1d6p-2, 0x1.6e451a9f5f5c3p-3, 0x1.b8a7ae2299f55p-3, 0x1.bd659333127ffp-3, 0x1.0a89831af219ep-2, 0x1.34a8081c9b80bp-2, 0x1.7b2e694968063p-2, 0x1.d27beff51f52ep-2}},
    {{0x1.4de2808dce513p-2, 0x1.ba77dda083efap-58}, {0x1.0e3d0384afcf7p+0, -0x1.186d2b525ab12p-55}, {0x1.81d43666e82bep-3, 0x1.0d9d3ffe723f7p-2, 0x1.7fe65d0430f6dp-3, 0x1.ce3bab5c2894ep-3, 0x1.dba2a828dda52p-3, 0x1.1eb05399ef3cbp-2, 0x1.50a581dc776c2p-2, 0x1.a1ae974c28b5dp-2, 0x1.041a889f83ca5p-1}},
    {{0x1.565774cb66f02p-2, -0x1.c537759c5cce1p-56}, {0x1.0f011c89781dap+0, -0x1.de4795ed6a448p-56}, {0x1.8e9c25360fb82p-3, 0x1.13c18d3b33bfap-2, 0x1.9266aaacd0ef5p-3, 0x1.e548236d1a856p-3, 0x1.fc2d497cd6888p-3, 0x1.34ad7378fd33bp-2, 0x1.6f7f54ac89338p-2, 0x1.cca497b24563ep-2, 0x1.2268bc730c5a8p-1}},
    {{0x1.5ed2a392bb50fp-2, 0x1.feb5a76d36567p-56}, {0x1.0fcbac3d7a7ffp+0, -0x1.aa7481d4dd1b1p-54}, {0x1.9baf8afe34c8ep-3, 0x1.1a31b30440bbep-2, 0x1.a5d546b0f4477p-3, 0x1.fde9f7d924161p-3, 0x1.0f9dc067d9b3fp-2, 0x1.4cb1454513f0cp-2, 0x1.918ad9e49103fp-2, 0x1.fca3bef977d4cp-2, 0x1.44a6269e467c2p-1}},
    {{0x1.675441329986ep-2, 0x1.d027ed2bb2edap-56}, {0x1.109cd94386664p+0, -0x1.825e2e62128bcp-54}, {0x1.a9120cbe5685ep-3, 0x1.20f18b0be2acp-2, 0x1.ba42a20e8ba32p-3, 0x1.0c2059c61b8f2p-2, 0x1.2284782be1355p-2, 0x1.66f1d7d122428p-2, 0x1.b728803f36897p-2, 0x1.192a3fc3f438dp-1, 0x1.6b64035f0ec1fp-1}},
    {{0x1.6fdc83364f719p-2, 0x1.cc49c4fdd8042p-56}, {0x1.1174cc1cbadcp+0, -0x1.da878ef89f086p-57}, {0x1.b6c77f3e7bca2p-3, 0x1.2805335250db9p-2, 0x1.cfc077a4653cfp-3, 0x1.1a3768f15ab37p-2, 0x1.36ebbdef26ep-2, 0x1.83aba406820cap-2, 0x1.e0c5651d32f29p-2, 0x1.373bdec47efe3p-1, 0x1.974a96176e50ap-1}},
    {{0x1.786ba074fef93p-2, -0x1.73b1910f90a93p-56}, {0x1.1253af413d3b5p+0, 0x1.5d2143ddf7dcdp-59}, {0x1.c4d3ea6338818p-3, 0x1.2f711389ff8a4p-2, 0x1.e661eb1c69d77p-3, 0x1.294d070ff18d9p-2, 0x1.4cf803fc0b3cfp-2, 0x1.a322664329898p-2, 0x1.076e975910b62p-1, 0x1.58f55ad316536p-1, 0x1.c91d27ed44089p-1}},
    {{0x1.8101d121bed2dp-2, 0x1.1db04b2b75f1fp-58}, {0x1.1339af3aaa4e8p+0, 0x1.9d37cd9797ed3p-55}, {0x1.d33b8cc4e63e5p-3, 0x1.3739e2fe0aea9p-2, 0x1.fe3bab1f37947p-3, 0x1.3975de382fefbp-2, 0x1.64d1a95c2c394p-2, 0x1.c5a217abbd278p-2, 0x1.20fe192f550b5p-1, 0x1.7ed5c9126b02p-1, 0x1.00df63ade7a64p+0}},
    {{0x1.899f4edc962d3p-2, 0x1.3e919701b7c6dp-60}, {0x1.1426fac0654dbp+0, -0x1.094cdd1bdfbcp-54}, {0x1.e202df90fb4b1p-3, 0x1.3f64af08aaa6ap-2, 0x1.0bb20b9b6a221p-2, 0x1.4ac896e03961dp-2, 0x1.7ea574d1b4122p-2, 0x1.eb800c9c5d2ecp-2, 0x1.3d60fa4e04a35p-1, 0x1.a96f67c4bf48ap-1, 0x1.211bf811bfb6cp+0}},
    {{0x1.924454c462cc4p-2, 0x1.f2cb742770a5cp-56}, {0x1.151bc2d5eb868p+0, 0x1.9b1542bbd420cp-54}, {0x1.f12e9abc9c861p-3, 0x1.47f6e2294c4c6p-2, 0x1.18f9b4e9f6567p-2, 0x1.5d5e0fef63957p-2, 0x1.9aa520a18c947p-2, 0x1.0a8e1f2691c8dp-1, 0x1.5cf20936430bp-1, 0x1.d96acc58985bcp-1, 0x1.45dea5da392d3p+0}},
    {{0x1.9af11f89ba61cp-2, 0x1.a884c2416dce8p-56}, {0x1.16183aeb573c3p+0, 0x1.8baf670d1405bp-56}, {0x1.0061dcc826883p-2, 0x1.50f64bcbdfb22p-2, 0x1.2701f37c70ae5p-2, 0x1.71519dce85895p-2, 0x1.b907f9bc1bf4dp-2, 0x1.2171636b39548p-1, 0x1.8018d3ade3b92p-1, 0x1.07c552a96596fp+0, 0x1.6fdbe2776b8b5p+0}},
    {{0x1.a3a5ed82d9537p-2, 0x1.a2f7c3ea46d69p-57}, {0x1.171c990040746p+0, -0x1.f473dc452cb2cp-55}, {0x1.0863bfcabf1b7p-2, 0x1.5a6928d510eb8p-2, 0x1.35d90810095dcp-2, 0x1.86c1517110ad3p-2, 0x1.da0b953f74155p-2, 0x1.3aa6cc076df58p-1, 0x1.a74ba36bbafdp-1, 0x1.265816a8ddc7cp+0, 0x1.9fe71bb3d11b9p+0}},
    {{0x1.ac62fec0b2a92p-2, 0x1.cb9f9a052f11fp-56}, {0x1.182915c92f066p+0, -0x1.96040f1fedc7dp-56}, {0x1.109fbef7deb6ep-2, 0x1.64562d09aa292p-2, 0x1.458e6f03ee033p-2, 0x1.9dce487781efcp-2, 0x1.fdf49fcf1ed2fp-2, 0x1.56733ba605254p-1, 0x1.d311d218ee5b6p-1, 0x1.48f0395474708p+0, 0x1.d6f88978ccc8fp+0}},
    {{0x1.b5289525368abp-2, 0x1.74049ce3d99e1p-57}, {0x1.193decd7d6651p+0, 0x1.2a4de2a90980dp-56}, {0x1.1918cc962cd31p-2, 0x1.6ec48d6a30f4dp-2, 0x1.563300937888cp-2, 0x1.b69d07b907ce7p-2, 0x1.1287e56b76b7bp-1, 0x1.7524a4f7f1f02p-1, 0x1.0203428903cfdp+0, 0x1.70254f64eb81fp+0, 0x1.0b1a1834d5f28p+1}},
    {{0x1.bdf6f47ae6904p-2, 0x1.e7bfe76547424p-56}, {0x1.1a5b5cc659574p+0, -0x1.dab16f444e53ap-54}, {0x1.21d207ca4ca5ep-2, 0x1.79bc0b9f13dedp-2, 0x1.67d914d3f69b1p-2, 0x1.d155e1b760053p-2, 0x1.27d96e421efb7p-1, 0x1.97136076362edp-1, 0x1.1d6df25777019p+0, 0x1.9ca7b91a18f55p+0, 0x1.2f792c79e7359p+1}},
    {{0x1.c6ce628dd132cp-2, -0x1.a252213096b1dp-58}, {0x1.1b81a765da37ap+0, -0x1.4c90b7ad2ea26p-54}, {0x1.2acec0080207cp-2, 0x1.8545029578832p-2, 0x1.7a94abf5bee52p-2, 0x1.ee256abe676e6p-2, 0x1.3f1ef40cf747fp-1, 0x1.bca3ba10ab1fp-1, 0x1.3c2f737a1daefp+0, 0x1.cf451ab7bb37bp+0, 0x1.5964e75261f7ep+1}},
    {{0x1.cfaf27460fe9fp-2, -0x1.8bf75f355f723p-57}, {0x1.1cb111f0a37bcp+0, -0x1.86634f69e42e2p-55}, {0x1.341278d2eebedp-2, 0x1.91687471015e6p-2, 0x1.8e7b9b5b3dd4fp-2, 0x1.069e7e5d35ba5p-1, 0x1.588e5aa2f5378p-1, 0x1.e647c0e02135ap-1, 0x1.5ebde54c356bdp+0, 0x1.0476db8c324ffp+1, 0x1.89ce27faee3c7p+1}},
    {{0x1.d8998cc3e6049p-2, 0x1.885cf38c7579ep-56}, {0x1.1de9e5403c408p+0, 0x1.a8e072e23bc8ap-54}, {0x1.3da0edd75f233p-2, 0x1.9e3019fbce473p-2, 0x1.a3a5c02eb8827p-2, 0x1.1769a69394475p-1, 0x1.74642f2a5a903p-1, 0x1.0a40b2785e4bfp+0, 0x1.85a1b2bad52aap+0, 0x1.255d6e8140884p+1, 0x1.c1d2d837ab62bp+1}},
    {{0x1.e18ddf7da106bp-2, -0x1.58029cecb4d7bp-58}, {0x1.1f2c6e07c5944p+0, -0x1.78cb398dbb5d3p-59}, {0x1.477e1764a53b6p-2, 0x1.aba673c3a4c6dp-2, 0x1.ba2d38394ad5fp-2, 0x1.29928bf012631p-1, 0x1.92e497493946bp-1, 0x1.23f278d2e44a7p+0, 0x1.b178b88f23e24p+0, 0x1.4afb51a4c2419p+1, 0x1.016393e2b1795p+2}},
    {{0x1.ea8c6e5f5e67fp-2, -0x1.6a70e7b5a472cp-56}, {0x1.2078fd1307479p+0, -0x1.ecc5308781324p-60}, {0x1.51ae2f53ae20fp-2, 0x1.b9d6dd19b71efp-2, 0x1.d22ea1dbccc5bp-2, 0x1.3d3af10a789a7p-1, 0x1.b45c65f382823p-1, 0x1.408dfb1618a8bp+0, 0x1.e2fa04d8d981bp+0, 0x1.76129f00e3eb1p+1, 0x1.27206c01906adp+2}},
    {{0x1.f3958aecddef4p-2, -0x1.fc135930a7786p-58}, {0x1.21cfe78a9e62ap+0, 0x1.be6debdf33777p-55}, {0x1.5c35b665d4687p-2, 0x1.c8cda1320fcb1p-2, 0x1.ebc9642da328p-2, 0x1.52886c9a5ab93p-1, 0x1.d9225c6a3ecbep-1, 0x1.607458864a77dp+0, 0x1.0d7d27ade5071p+1, 0x1.a788247809bdcp+1, 0x1.53128bfc834bbp+2}},
    {{0x1.fca989658baafp-2, -0x1.10e104cee0e3fp-57}, {0x1.2331873dcc1dep+0, -0x1.c82f08483f1c2p-54}, {0x1.67197a297a074p-2, 0x1.d89812a8690c4p-2, 0x1.0390003784022p-1, 0x1.69a4e9287e745p-1, 0x1.00cc4fa230477p+0, 0x1.84150c2ced4cfp+0, 0x1.2d38a9108d98cp+1, 0x1.e06a3cf415d08p+1, 0x1.865cc93edb055p+2}},
    {{0x1.02e46075785a1p-1, 0x1.d1c9139aa7a36p-56}, {0x1.249e3af272a2fp+0, -0x1.90699e6080472p-56}, {0x1.725e9b73b49e3p-2, 0x1.e944a5ba62b0ep-2, 0x1.122c37169efdap-1, 0x1.82bf37a2f1a3ap-1, 0x1.17173471984fcp+0, 0x1.abf04eb435d2cp+0, 0x1.51401929e64efp+1, 0x1.10fc929389022p+2, 0x1.c25cbdac05cabp+2}},
    {{0x1.0779c5d4df4b8p-1, 0x1.d8e763d34303bp-55}, {0x1.261666bbdd21dp+0, -0x1.88616d2ad4929p-55}, {0x1.7e0a958059501p-2, 0x1.fae30d92dc61bp-2, 0x1.21ce41d86e43ep-1, 0x1.9e0bb7f64ddfdp-1, 0x1.2fb102493e527p+0, 0x1.d899e8d67de28p+0, 0x1.7a3c9a6d2bcafp+1, 0x1.36d892c5f2fcfp+2, 0x1.045be7ee5952p+3}},
    {{0x1.0c152382d7366p-1, -0x1.ee6913347c2a6p-55}, {0x1.279a74590331cp+0, 0x1.34863e0792bedp-54}, {0x1.8a2345cc04426p-2, 0x1.06c22e8802d6ep-1, 0x1.328d364958a56p-1, 0x1.bbc51b62dcf93p-1, 0x1.4ae18feda4c2cp+0, 0x1.055e46aa8225bp+1, 0x1.a8f48424a8f02p+1, 0x1.62ab812d94297p+2, 0x1.2db5b187f835ep+3}},
};

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

inline double squareRoot(double x) {
#if defined(__SSE2__)
    return _mm_cvtsd_f64(_mm_sqrt_sd(_mm_setzero_pd(), _mm_set_sd(x)));
#else
    return __builtin_sqrt(x);
#endif
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

inline double powerOfTwo(int exponent) {  // -1022 <= exponent <= 1023
    const uint64_t bits = static_cast<uint64_t>(exponent + 1023) << 52;
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
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
    uint64_t bits;
    std::memcpy(&bits, &x, sizeof bits);
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

// The slope c1 of each asin row as a 26-bit high part and the rest, split
// once at compile time, so that c1 d is exact after d is split in two.
constexpr auto kAsinSlope = [] {
    std::array<ShortPair, std::size(kAsin)> rows{};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const double high = splitHigh(kAsin[i].c1.hi);
        rows[i] = {high, (kAsin[i].c1.hi - high) + kAsin[i].c1.lo};
    }
    return rows;
}();

// asin u for 0 <= u = uHigh + uLow <= 1/2, to about 2^-64 relative: the
// Taylor series at i/128 nearest u (|d| <= 1/256). c0 + c1h dHigh is summed
// exactly: the product has at most 52 bits and is below c0 = asin(i/128)
// unless i is 0.
inline DoubleDouble asinFast(double uHigh, double uLow) {
    const int index = static_cast<int>(uHigh * 128.0 + 0.5);
    const AsinRow& row = kAsin[index];
    const ShortPair& slope = kAsinSlope[index];
    const double d = uHigh - index * 0.0078125;  // exact
    const double dd = d + uLow;
    const double* c = row.c;
    // c[0] + c[1] dd + ... + c[8] dd^8 by Estrin's scheme: a shorter chain
    // of dependent operations than Horner's.
    const double d2 = dd * dd;
    const double d4 = d2 * d2;
    const double low = (c[0] + c[1] * dd) + (c[2] + c[3] * dd) * d2;
    const double high = (c[4] + c[5] * dd) + (c[6] + c[7] * dd) * d2;
    const double h = low + (high + c[8] * d4) * d4;
    const double tail = h * d2;
    const double split = kSplitter * d;
    const double dHigh = split - (split - d);
    const double p = slope.hi * dHigh;
    const double hi = row.c0.hi + p;
    const double sumError = (row.c0.hi - hi) + p;
    const double lo = (sumError + row.c0.lo) + (slope.hi * (d - dHigh) + slope.lo * d) + (row.c1.hi * uLow + tail);
    return {hi, lo};
}

// acos x for 0 < |x| < 1 on the common path, through asin of a number in
// [0, 1/2]:
//   |x| <= 1/2:  acos x = pi/2 - asin x,
//   |x| > 1/2:   acos |x| = 2 asin u, u = sqrt((1 - |x|) / 2) (exact
//                argument), and acos x = pi - 2 asin u for x < 0.
// result = base + factor asin(.), the four cases picked from a table.
DoubleDouble acosFast(double x) {
    struct Case {
        DoubleDouble base;
        double factor;
    };
    static constexpr Case kCases[4] = {
        {{0x1.921fb54442d18p+0, 0x1.1a62633145c07p-54}, -1.0},  // |x| <= 1/2, x > 0
        {{0x1.921fb54442d18p+0, 0x1.1a62633145c07p-54}, 1.0},   // |x| <= 1/2, x < 0
        {{0.0, 0.0}, 2.0},                                        // x > 1/2
        {{0x1.921fb54442d18p+1, 0x1.1a62633145c07p-53}, -2.0},  // x < -1/2
    };
    const double ax = magnitude(x);
    const int outer = static_cast<int>(ax > 0.5);
    // A branch here costs less than the square root and the division it
    // saves half the time (measured: picking both costs more).
    double uHigh = ax;
    double uLow = 0.0;
    if (outer != 0) {
        const double y = (1.0 - ax) * 0.5;  // exact for |x| >= 1/2
        const double s = squareRoot(y);
        const DoubleDouble ss = twoProduct(s, s);
        uHigh = s;
        uLow = ((y - ss.hi) - ss.lo) / (2.0 * s);
    }
    const DoubleDouble a = asinFast(uHigh, uLow);
    const Case& c = kCases[2 * outer + static_cast<int>(x < 0)];
    DoubleDouble v = fastTwoSum(c.base.hi, c.factor * a.hi);
    v.lo += c.base.lo + c.factor * a.lo;
    return v;
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

inline bool acosCommon(double x, double& result) {
    if (acosSpecial(x, result)) return true;
    const DoubleDouble v = acosFast(x);
    return decide(v, 0x1p-63 * v.hi, result);
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

}  // namespace kwarel::elementary
