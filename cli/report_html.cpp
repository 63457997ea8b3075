// The HTML report: one self-contained file. The job's data is embedded once
// as JSON (each machine room once, each chosen run's pipe after every motion
// of its program); a small script draws a cut piece's runs when the piece
// is shown, so a large job does not become thousands of drawings at once.
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "report_model.h"

namespace kwarel::cli {
namespace {

// Page text, written through a cursor into a buffer with room ahead (no
// check of the capacity per character): appended to a string, or to a file
// through a buffer of its own.
class Out {
public:
    // Writes to `file` through a buffer of its own.
    explicit Out(std::FILE* file) : file_(file), buffer_(own_) { begin(0, kFileChunk); }
    // Appends to `into`.
    explicit Out(std::string& into) : file_(nullptr), buffer_(into) { begin(into.size(), kStringChunk); }
    Out(const Out&) = delete;
    Out& operator=(const Out&) = delete;
    void reserve(std::size_t size) { room(size > used() ? size - used() : 0); }
    ~Out() {
        flush();
        buffer_.resize(used());  // the room left over goes
    }
    Out& operator<<(const char* text) { return append(text, std::strlen(text)); }
    Out& operator<<(const std::string& text) { return append(text.data(), text.size()); }
    Out& operator<<(char c) {
        room(1);
        *at_++ = c;
        return *this;
    }
    Out& number(int64_t value) {
        room(24);
        at_ = std::to_chars(at_, at_ + 24, value).ptr;
        return *this;
    }
    // A unit quaternion component in ten-thousandths: the page normalises
    // the quaternion, and four decimals place a 10 m pipe to a millimetre.
    Out& fraction(double value) {
        if (!std::isfinite(value)) return number(0);
        return number(nearest(value * 10000.0));
    }
    // Tenths of a millimetre as whole millimetres: the drawings need no more.
    Out& mm(double tenths) {
        if (!std::isfinite(tenths)) return number(0);
        return number(nearest(tenths / 10.0));
    }
    // `size` characters of text as they stand inside a JSON string that may
    // stand inside a <script> element (as json() writes them, without the
    // quotes). Runs of characters that need no escape are copied whole.
    Out& jsonText(const char* text, std::size_t size) {
        std::size_t plain = 0;  // start of the run not yet copied
        for (std::size_t i = 0; i < size; ++i) {
            const unsigned char c = static_cast<unsigned char>(text[i]);
            if (!kEscaped[c]) continue;
            append(text + plain, i - plain);
            plain = i + 1;
            switch (c) {
                case '"': append("\\\"", 2); break;
                case '\\': append("\\\\", 2); break;
                case '\n': append("\\n", 2); break;
                case '\r': append("\\r", 2); break;
                case '\t': append("\\t", 2); break;
                case '<': append("\\u003c", 6); break;
                case '>': append("\\u003e", 6); break;
                case '&': append("\\u0026", 6); break;
                default: {
                    char code[8];
                    std::snprintf(code, sizeof code, "\\u%04x", c);
                    append(code, 6);
                }
            }
        }
        return append(text + plain, size - plain);
    }
    // Gives the text written so far to the file (a string has it already).
    void flush() {
        if (file_ == nullptr) return;
        const std::size_t size = used();
        if (size > 0 && std::fwrite(buffer_.data(), 1, size, file_) != size) failed_ = true;
        at_ = buffer_.data();
    }
    bool failed() const { return failed_; }

private:
    // Text up to `size` is kept; the rest of the buffer, at least `ahead`
    // characters, is room to write in.
    void begin(std::size_t size, std::size_t ahead) {
        buffer_.resize(size + ahead);
        at_ = buffer_.data() + size;
        end_ = buffer_.data() + buffer_.size();
    }
    std::size_t used() const { return static_cast<std::size_t>(at_ - buffer_.data()); }
    // Makes room for `size` more characters.
    void room(std::size_t size) {
        if (static_cast<std::size_t>(end_ - at_) >= size) return;
        if (file_ != nullptr && used() > 0) {
            flush();
            if (static_cast<std::size_t>(end_ - at_) >= size) return;
        }
        const std::size_t kept = used();
        buffer_.resize(std::max(2 * buffer_.size(), kept + size + kStringChunk));
        at_ = buffer_.data() + kept;
        end_ = buffer_.data() + buffer_.size();
    }
    Out& append(const char* text, std::size_t size) {
        room(size);
        std::memcpy(at_, text, size);
        at_ += size;
        return *this;
    }
    // std::llround(x) (the nearest whole number, halves away from zero)
    // without the library call for the values the page holds: below 2^52
    // the part after the point, x minus x cut towards zero, is exact.
    static int64_t nearest(double x) {
        if (!(std::fabs(x) < 4503599627370496.0)) return static_cast<int64_t>(std::llround(x));
        const int64_t whole = static_cast<int64_t>(x);
        const double rest = x - static_cast<double>(whole);
        // Without branches: which way a number rounds cannot be foreseen.
        return whole + static_cast<int64_t>(rest >= 0.5) - static_cast<int64_t>(rest <= -0.5);
    }
    // The characters jsonText escapes.
    static constexpr std::array<bool, 256> kEscaped = [] {
        std::array<bool, 256> escaped{};
        for (int c = 0; c < 0x20; ++c) escaped[static_cast<std::size_t>(c)] = true;
        for (unsigned char c : {'"', '\\', '<', '>', '&'}) escaped[c] = true;
        return escaped;
    }();
    static constexpr std::size_t kFileChunk = std::size_t{1} << 16;
    static constexpr std::size_t kStringChunk = 4096;
    std::FILE* file_;
    std::string own_;
    std::string& buffer_;
    char* at_ = nullptr;
    char* end_ = nullptr;
    bool failed_ = false;
};

// Text for HTML element content and attribute values.
std::string html(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: out += c;
        }
    }
    return out;
}

// A JSON string that may stand inside a <script> element. Runs of
// characters that need no escape are copied whole.
std::string json(const std::string& text) {
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    std::size_t plain = 0;  // start of the run not yet copied
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c != '"' && c != '\\' && c != '<' && c != '>' && c != '&') continue;
        out.append(text, plain, i - plain);
        plain = i + 1;
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            case '<': out += "\\u003c"; break;
            case '>': out += "\\u003e"; break;
            case '&': out += "\\u0026"; break;
            default: {
                char code[8];
                std::snprintf(code, sizeof code, "\\u%04x", c);
                out += code;
            }
        }
    }
    out.append(text, plain, text.size() - plain);
    out += '"';
    return out;
}

void writePieces(Out& out, const std::vector<ShapePiece>& pieces) {
    out << '[';
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const ShapePiece& piece = pieces[i];
        if (i > 0) out << ',';
        out << '[';
        out.number(piece.type);
        for (double v : piece.start) out << ',', out.mm(v);
        for (double v : piece.end) out << ',', out.mm(v);
        if (piece.type == 2) {
            for (double v : piece.centre) out << ',', out.mm(v);
            out << ',';
            out.number(piece.arcAngle);
        }
        out << ']';
    }
    out << ']';
}

void writeClash(Out& out, const ClashMoment& clash) {
    out << "{\"m\":";
    out.number(clash.machine);
    out << ",\"s\":" << json(clash.surface) << ",\"l\":" << json(clash.line) << ",\"p\":";
    writePieces(out, clash.pieces);
    out << '}';
}

// One motion: kind, position, pending straight, feed line, axis height,
// machine, formed pieces, the placement of the final pipe (quaternion in
// ten-thousandths, and shift) and, when the placement does not hold, the pieces themselves.
void writeFrame(Out& out, const Frame& frame) {
    out << '[';
    out.number(static_cast<int32_t>(frame.kind));
    out << ',';
    out.number(frame.position);
    out << ',';
    out.mm(frame.pending);
    out << ',';
    out.mm(frame.feedY);
    out << ',';
    out.mm(frame.axisZ);
    out << ',';
    out.number(frame.machine);
    out << ',';
    out.number(frame.count);
    for (double v : frame.q) out << ',', out.fraction(v);
    for (double v : frame.t) out << ',', out.mm(v);
    if (!frame.own.empty()) {
        out << ',';
        writePieces(out, frame.own);
    }
    out << ']';
}

// One line of a cut piece's block, added to its programs: every run block
// (STARTRUN to ENDRUN) is one text, every line as its label, one blank and
// its value. `run` is the text being filled (null outside a run block).
void addProgramLine(std::string_view line, std::vector<std::string>& runs, std::size_t& count, std::string*& run) {
    if (line.substr(0, 8) == "STARTRUN") {
        if (count == runs.size()) runs.emplace_back();
        run = &runs[count++];
        run->clear();
    } else if (line == "ENDRUN" || line == "ENDCUTPIECE") {
        run = nullptr;
    } else if (run != nullptr && !line.empty()) {
        const std::size_t gap = line.find(' ');
        const std::size_t value = gap == std::string_view::npos ? gap : line.find_first_not_of(' ', gap);
        run->append(line.substr(0, gap));
        if (value != std::string_view::npos) {
            *run += ' ';
            run->append(line.substr(value));
        }
        *run += '\n';
    }
}

// The run blocks of each cut piece of the result file,
// read from the file one cut piece at a time, one text per run: every line
// as its label, one blank and its value. Lines before the first STARTCUTPIECE
// belong to no piece; a cut piece's lines run to the next STARTCUTPIECE.
class ProgramReader {
public:
    explicit ProgramReader(const std::string& path) : file_(std::fopen(path.c_str(), "rb")) {
        buffer_.resize(1 << 16);
        // Up to the first cut piece.
        std::string_view line;
        while (nextLine(line)) {
            if (line == "STARTCUTPIECE") {
                atPiece_ = true;
                break;
            }
        }
    }
    ~ProgramReader() {
        if (file_ != nullptr) std::fclose(file_);
    }
    ProgramReader(const ProgramReader&) = delete;
    ProgramReader& operator=(const ProgramReader&) = delete;

    // The runs of the next cut piece; false when the file has no more.
    // `runs` is refilled, its first `count` texts in use.
    bool next(std::vector<std::string>& runs, std::size_t& count) {
        count = 0;
        if (!atPiece_) return false;
        atPiece_ = false;
        std::string* run = nullptr;
        std::string_view line;
        while (nextLine(line)) {
            if (line == "STARTCUTPIECE") {
                atPiece_ = true;
                break;
            }
            addProgramLine(line, runs, count, run);
        }
        return true;
    }

    // Passes over the next cut piece.
    void skip() {
        std::size_t count = 0;
        next(skipped_, count);
    }

private:
    // The next line without its line end (and a carriage return before it).
    bool nextLine(std::string_view& line) {
        if (file_ == nullptr) return false;
        for (;;) {
            const char* from = buffer_.data() + at_;
            const void* end = std::memchr(from, '\n', filled_ - at_);
            if (end != nullptr) {
                line = std::string_view(from, static_cast<const char*>(end) - from);
                at_ += line.size() + 1;
                break;
            }
            if (eof_) {
                if (at_ == filled_) return false;
                line = std::string_view(from, filled_ - at_);  // the last line, without a line end
                at_ = filled_;
                break;
            }
            // Keep the part of a line already read and read more.
            const std::size_t kept = filled_ - at_;
            if (kept == buffer_.size()) buffer_.resize(2 * buffer_.size());
            std::memmove(buffer_.data(), from, kept);
            at_ = 0;
            filled_ = kept;
            const std::size_t got = std::fread(buffer_.data() + filled_, 1, buffer_.size() - filled_, file_);
            filled_ += got;
            if (got == 0) eof_ = true;
        }
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        return true;
    }

    std::FILE* file_;
    std::vector<char> buffer_;
    std::size_t at_ = 0, filled_ = 0;
    bool eof_ = false;
    bool atPiece_ = false;  // a STARTCUTPIECE line was read and its piece not yet
    std::vector<std::string> skipped_;
};

// The programs of the one cut piece whose block (from its STARTCUTPIECE
// line on, as the result file gets it) is `block`, written as the page's
// list of `runCount` texts: the runs as ProgramReader reads them (each run
// block one text, every line as its label, one blank and its value), the
// texts past the block's runs empty.
void writeProgramsOfBlock(Out& out, std::string_view block, int32_t runCount) {
    out << "[";
    int32_t runs = 0;      // run blocks begun
    bool inRun = false;    // between a STARTRUN line and its end
    bool open = false;     // a text of the list is being written
    bool inPiece = false;
    while (!block.empty()) {
        const std::size_t end = block.find('\n');
        std::string_view line = block.substr(0, end);
        block.remove_prefix(end == std::string_view::npos ? block.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line == "STARTCUTPIECE") {
            if (inPiece) break;
            inPiece = true;
            continue;
        }
        if (!inPiece) continue;
        if (line.substr(0, 8) == "STARTRUN") {
            if (open) out << '"';
            open = runs < runCount;
            if (open) {
                if (runs > 0) out << ',';
                out << '"';
            }
            ++runs;
            inRun = true;
        } else if (line == "ENDRUN" || line == "ENDCUTPIECE") {
            inRun = false;
        } else if (inRun && open && !line.empty()) {
            std::size_t gap = line.find(' ');
            if (gap == std::string_view::npos) gap = line.size();
            std::size_t value = gap;
            while (value < line.size() && line[value] == ' ') ++value;
            out.jsonText(line.data(), gap);
            if (value < line.size()) {
                out << ' ';
                out.jsonText(line.data() + value, line.size() - value);
            }
            out << "\\n";
        }
    }
    if (open) out << '"';
    for (; runs < runCount; ++runs) {
        if (runs > 0) out << ',';
        out << "\"\"";
    }
    out << ']';
}

const char* const kStyle = R"CSS(
body{font:14px/1.4 system-ui,sans-serif;margin:0;color:#1d2630;background:#f4f6f8}
header{background:#1f3a5a;color:#fff;padding:16px 24px}
header h1{margin:0 0 8px;font-size:22px}
.summary{display:flex;flex-wrap:wrap;gap:8px}
.summary div{background:#2d5079;border-radius:6px;padding:6px 12px}
.summary b{display:block;font-size:20px}
main{padding:16px 24px}
section.piece{background:#fff;border:1px solid #cdd5de;border-radius:8px;margin:0 0 16px;padding:12px 16px}
section.piece h2{margin:0;font-size:17px}
.status{font-weight:600}
.PASS .status{color:#17733a}.FAIL .status{color:#b3261e}.STRAIGHT .status{color:#555}
pre{background:#f0f3f6;padding:8px;border-radius:4px;white-space:pre-wrap;margin:6px 0}
pre.clash{background:#fdecea;color:#8c1d18}
table{border-collapse:collapse;margin:6px 0}
td,th{border:1px solid #d5dce3;padding:2px 8px;text-align:left;font-variant-numeric:tabular-nums}
th{background:#eef2f6}
.run{border-top:1px solid #e1e6eb;margin-top:10px;padding-top:8px}
.run h3,.clashview h3{margin:0 0 4px;font-size:15px}
.views{display:flex;flex-wrap:wrap;gap:8px}
.views figure{margin:0}
.views figcaption{font-size:12px;color:#555}
svg{background:#fbfcfd;border:1px solid #d5dce3}
svg .room{fill:none;stroke:#7a8794;stroke-width:1.5;vector-effect:non-scaling-stroke}
svg .body{fill:#c9d3dd;stroke:#5f6d7a;stroke-width:1;vector-effect:non-scaling-stroke}
svg .pit{fill:#e8edf2;stroke:#7a8794;stroke-dasharray:4 3;vector-effect:non-scaling-stroke}
svg .hit{stroke:#d0021b!important;stroke-width:4!important;fill:rgba(208,2,27,.3)!important}
svg .pipe{fill:none;stroke:#1f6fd1;stroke-linecap:round;stroke-linejoin:round;opacity:.85}
svg .rest{opacity:.35}
svg .clashpipe{stroke:#e07b00}
svg .head{fill:#333}
.cols{display:flex;flex-wrap:wrap;gap:16px;align-items:flex-start}
.steps{display:flex;align-items:center;gap:6px;margin:4px 0}
.steps input{width:260px}
.program td:first-child{font-weight:600}
.program tr.now{background:#fff3c4}
.note{color:#555;font-size:12px}
a{color:#1f5fa8}
)CSS";

const char* const kScript = R"JS(
(function(){
'use strict';
var D=JSON.parse(document.getElementById('kwarel-data').textContent);
var NS='http://www.w3.org/2000/svg';
function el(n,a,p){var e=document.createElementNS(NS,n);for(var k in a)e.setAttribute(k,a[k]);if(p)p.appendChild(e);return e;}
function h(n,a,t,p){var e=document.createElement(n);for(var k in a)e.setAttribute(k,a[k]);if(t!=null)e.textContent=t;if(p)p.appendChild(e);return e;}
var SURF={'front wall':'front','Front wall.':'front','back wall':'back','Back wall':'back','left wall':'left','right wall':'right','floor':'floor','ceiling':'ceiling','floor of pit':'pitfloor','back wall of pit':'pitback','left wall of pit':'pitleft','right wall of pit':'pitright','front wall of pit':'pitfront','front of machine':'mfront','machine':'body'};
// Views: plan (x right, y up), elevation (x right, z up), oblique.
var C30=Math.cos(Math.PI/6),S30=0.5;
var VIEWS=[
 {name:'Plan (from above)',p:function(q){return [q[0],-q[1]];}},
 {name:'Elevation (from the right wall)',p:function(q){return [q[0],-q[2]];}},
 {name:'Oblique',p:function(q){return [(q[0]-q[1])*C30,(q[0]+q[1])*S30-q[2]];}}];
function sub(a,b){return [a[0]-b[0],a[1]-b[1],a[2]-b[2]];}
function len(a){return Math.sqrt(a[0]*a[0]+a[1]*a[1]+a[2]*a[2]);}
function cross(a,b){return [a[1]*b[2]-a[2]*b[1],a[2]*b[0]-a[0]*b[2],a[0]*b[1]-a[1]*b[0]];}
function scale(a,s){return [a[0]*s,a[1]*s,a[2]*s];}
function add(a,b){return [a[0]+b[0],a[1]+b[1],a[2]+b[2]];}
// Centre-line points of a formed piece; arcs are followed round their centre.
function piecePoints(r,prev){
 var s=[r[1],r[2],r[3]],e=[r[4],r[5],r[6]];
 if(r[0]!==2)return [s,e];
 var k=[r[7],r[8],r[9]],ang=r[10]*Math.PI/180,u=sub(s,k),rho=len(u);
 if(rho===0)return [s,e];
 u=scale(u,1/rho);
 var w=sub(e,k),n=cross(u,w),v;
 if(len(n)>1e-6*rho*rho){v=cross(n,u);v=scale(v,1/len(v));}
 else if(prev){var d=sub([prev[4],prev[5],prev[6]],[prev[1],prev[2],prev[3]]);var dl=len(d)||1;v=scale(d,1/dl);}
 else return [s,e];
 var pts=[],steps=Math.max(2,Math.ceil(r[10]/10));
 for(var i=0;i<=steps;i++){var t=ang*i/steps;pts.push(add(k,add(scale(u,rho*Math.cos(t)),scale(v,rho*Math.sin(t)))));}
 return pts;
}
function shapePolylines(pieces){var out=[];for(var i=0;i<pieces.length;i++)out.push(piecePoints(pieces[i],i>0?pieces[i-1]:null));return out;}
function pathOf(lines,view){var d='';for(var i=0;i<lines.length;i++){var l=lines[i];for(var j=0;j<l.length;j++){var p=view.p(l[j]);d+=(j?'L':'M')+p[0].toFixed(0)+' '+p[1].toFixed(0);}}return d;}
// Room surfaces of a machine as 3D polylines, each tagged with its surface key.
function roomLines(m){
 var F=m.f,B=-m.b,L=m.l,R=-m.r,H=m.h,T=m.h+m.c,W=m.w,fr=m.fr,out=[];
 function box(x0,x1,y0,y1,z0,z1,key,cls){out.push({k:key,c:cls,pts:[[x0,y0,z0],[x1,y0,z0],[x1,y1,z0],[x0,y1,z0],[x0,y0,z0],[x0,y0,z1],[x1,y0,z1],[x1,y1,z1],[x0,y1,z1],[x0,y0,z1],[x0,y1,z1],[x0,y1,z0],[x1,y1,z0],[x1,y1,z1],[x1,y0,z1],[x1,y0,z0]]});}
 function quad(a,b,c,d,key,cls){out.push({k:key,c:cls,pts:[a,b,c,d,a]});}
 quad([F,R,0],[F,L,0],[F,L,T],[F,R,T],'front','room');
 quad([B,R,0],[B,L,0],[B,L,T],[B,R,T],'back','room');
 quad([B,L,0],[F,L,0],[F,L,T],[B,L,T],'left','room');
 quad([B,R,0],[F,R,0],[F,R,T],[B,R,T],'right','room');
 quad([B,R,0],[F,R,0],[F,L,0],[B,L,0],'floor','room');
 quad([B,R,T],[F,R,T],[F,L,T],[B,L,T],'ceiling','room');
 box(B,0,-W,W,0,H,'body','body');
 var arc=function(rad,z){var p=[];for(var a=-90;a<=90;a+=10){var t=a*Math.PI/180;p.push([rad*Math.cos(t),rad*Math.sin(t),z]);}return p;};
 var top=arc(fr,H),bot=arc(fr,0);
 out.push({k:'mfront',c:'body',pts:bot.concat(top.slice().reverse()).concat([bot[0]])});
 if(m.pit){var P=m.pr,Dp=-m.pd;
  out.push({k:'pitfloor',c:'pit',pts:arc(P,Dp).concat([[0,-P,Dp],[0,P,Dp]])});
  out.push({k:'pitfront',c:'pit',pts:arc(P,0).concat(arc(P,Dp).reverse()).concat([[0,-P,0]])});
  quad([0,P,0],[P,P,0],[P,P,Dp],[0,P,Dp],'pitleft','pit');
  quad([0,-P,0],[P,-P,0],[P,-P,Dp],[0,-P,Dp],'pitright','pit');
  quad([0,-P,0],[0,P,0],[0,P,Dp],[0,-P,Dp],'pitback','pit');}
 return out;
}
function grow(b,p){b[0][0]=Math.min(b[0][0],p[0]);b[0][1]=Math.min(b[0][1],p[1]);b[1][0]=Math.max(b[1][0],p[0]);b[1][1]=Math.max(b[1][1],p[1]);}
// The part of the room worth showing: the pipe in every frame and the
// machine round the bend head, with a margin, within the room's walls.
function bounds(m,view,pts){var room=[[1e18,1e18],[-1e18,-1e18]],ls=roomLines(m),b=[[1e18,1e18],[-1e18,-1e18]];
 for(var i=0;i<ls.length;i++)for(var j=0;j<ls[i].pts.length;j++)grow(room,view.p(ls[i].pts[j]));
 var near=Math.min(m.b,Math.max(1500,m.fr*3)),W=m.w,H=m.h;
 [[-near,-W,0],[-near,W,0],[-near,-W,H],[-near,W,H],[m.fr,-m.fr,0],[m.fr,m.fr,H],[0,0,0],[0,0,H]].forEach(function(q){grow(b,view.p(q));});
 for(var k=0;k<pts.length;k++)grow(b,view.p(pts[k]));
 var pad=Math.max(300,0.12*Math.max(b[1][0]-b[0][0],b[1][1]-b[0][1]));
 b=[[Math.max(room[0][0]-50,b[0][0]-pad),Math.max(room[0][1]-50,b[0][1]-pad)],[Math.min(room[1][0]+50,b[1][0]+pad),Math.min(room[1][1]+50,b[1][1]+pad)]];
 return b;}
function allPoints(run,extra){var pts=[],frames=run?run.f:[];for(var i=0;i<frames.length;i++){var ls=frameLines(run,frames[i]).lines;for(var j=0;j<ls.length;j++)pts=pts.concat(ls[j]);var f=frames[i];if(f[2]>0)pts.push([f[2],f[3],f[4]]);}
 if(extra){var le=shapePolylines(extra);for(var k=0;k<le.length;k++)pts=pts.concat(le[k]);}return pts;}
function drawRoom(svg,m,view,hitKey){
 var g=el('g',{'class':'roomg'},svg),ls=roomLines(m);
 for(var i=0;i<ls.length;i++){var l=ls[i];var cls=l.c+' s-'+l.k+(l.k===hitKey?' hit':'');
  el('path',{'class':cls,d:pathOf([l.pts],view),'data-surface':l.k},g);}
 var hp=view.p([0,0,m.h]);el('circle',{'class':'head',cx:hp[0].toFixed(0),cy:hp[1].toFixed(0),r:Math.max(10,m.fr/8)},g);
}
function makeSvg(m,view,w,pts){var b=bounds(m,view,pts),W=b[1][0]-b[0][0],H=b[1][1]-b[0][1];
 var svg=el('svg',{viewBox:b[0][0].toFixed(0)+' '+b[0][1].toFixed(0)+' '+W.toFixed(0)+' '+H.toFixed(0),width:w,height:Math.min(w*1.4,Math.max(80,Math.round(w*H/W))),'class':'view'});return svg;}
// The formed pipe of frame f: the run's last pieces placed by the frame's
// rotation (quaternion) and translation, or the frame's own pieces.
function rotq(q,p){var w=q[0],x=q[1],y=q[2],z=q[3];var tx=2*(y*p[2]-z*p[1]),ty=2*(z*p[0]-x*p[2]),tz=2*(x*p[1]-y*p[0]);
 return [p[0]+w*tx+(y*tz-z*ty),p[1]+w*ty+(z*tx-x*tz),p[2]+w*tz+(x*ty-y*tx)];}
function frameLines(run,f){
 if(f[14])return {lines:shapePolylines(f[14]),pieces:f[14]};
 if(!run.base)run.base=shapePolylines(run.fp);
 var q=[f[7],f[8],f[9],f[10]],n=Math.sqrt(q[0]*q[0]+q[1]*q[1]+q[2]*q[2]+q[3]*q[3])||1,t=[f[11],f[12],f[13]],out=[];
 q=[q[0]/n,q[1]/n,q[2]/n,q[3]/n];
 for(var i=0;i<f[6]&&i<run.base.length;i++){var l=run.base[i],m=[];for(var j=0;j<l.length;j++)m.push(add(rotq(q,l[j]),t));out.push(m);}
 return {lines:out,pieces:run.fp.slice(0,f[6])};
}
function pieceLength(r){if(r[0]===2){var u=sub([r[1],r[2],r[3]],[r[7],r[8],r[9]]);return len(u)*r[10]*Math.PI/180;}return len(sub([r[4],r[5],r[6]],[r[1],r[2],r[3]]));}
// The formed pipe with the straight being fed; the pipe not yet fed past the
// bend head lies on the feed line behind it (drawn lighter; not tested).
function framePipe(run,f,od,view,total){
 var fl=frameLines(run,f),lines=fl.lines,formed=f[2];
 for(var i=0;i<fl.pieces.length;i++)formed+=pieceLength(fl.pieces[i]);
 if(f[2]>0)lines.push([[0,f[3],f[4]],[f[2],f[3],f[4]]]);
 var rest=Math.max(0,total-formed);
 return {d:pathOf(lines,view),rest:pathOf([[[0,f[3],f[4]],[-rest,f[3],f[4]]]],view),w:Math.max(2,od)};
}
var KIND=['LOAD','BEND','FEED','ROTATION'];
function frameLabel(f){var k=f[0],p=f[1];if(k===0)return 'LOAD';if(k===1)return 'BEND '+((p+1)/2);return KIND[k]+' after bend '+(p/2);}
function drawRunViews(box,piece,run){
 var frames=run.f,views=h('div',{'class':'views'},null,box),paths=[],svgs=[];
 var m0=D.machines[frames.length?frames[frames.length-1][5]:run.m];
 var hitKey=run.x?SURF[run.x.s]:null;
 var pts=allPoints(run);
 for(var v=0;v<VIEWS.length;v++){var fig=h('figure',{},null,views);var svg=makeSvg(m0,VIEWS[v],v===2?420:340,pts);fig.appendChild(svg);h('figcaption',{},VIEWS[v].name,fig);
  var rg=el('g',{},svg);drawRoom(rg,m0,VIEWS[v],hitKey);svgs.push({svg:svg,room:rg,m:m0});
  paths.push([el('path',{'class':'pipe'},svg),el('path',{'class':'pipe rest'},svg)]);}
 var ctl=h('div',{'class':'steps'},null,box);
 var prev=h('button',{type:'button','class':'prev'},'\u25c0',ctl);
 var range=h('input',{type:'range',min:0,max:Math.max(0,frames.length-1),value:Math.max(0,frames.length-1),'class':'step'},null,ctl);
 var next=h('button',{type:'button','class':'next'},'\u25b6',ctl);
 var label=h('span',{'class':'label'},'',ctl);
 function show(i){if(!frames.length){label.textContent='no motions recorded';return;}
  var f=frames[i];box.setAttribute('data-frame',i);
  for(var v=0;v<VIEWS.length;v++){var s=svgs[v];var m=D.machines[f[5]];
   if(m!==s.m){while(s.room.firstChild)s.room.removeChild(s.room.firstChild);drawRoom(s.room,m,VIEWS[v],hitKey);s.m=m;}
   var p=framePipe(run,f,piece.od,VIEWS[v],run.len);paths[v][0].setAttribute('d',p.d);paths[v][0].setAttribute('stroke-width',p.w);
   paths[v][1].setAttribute('d',p.rest);paths[v][1].setAttribute('stroke-width',p.w);}
  label.textContent=(i+1)+' / '+frames.length+': '+frameLabel(f)+' on '+D.machines[f[5]].n;
  range.value=i;}
 range.addEventListener('input',function(){show(+range.value);});
 prev.addEventListener('click',function(){show(Math.max(0,+range.value-1));});
 next.addEventListener('click',function(){show(Math.min(frames.length-1,+range.value+1));});
 show(Math.max(0,frames.length-1));
}
function drawClash(box,piece,c){
 var views=h('div',{'class':'views'},null,box),m=D.machines[c.m],key=SURF[c.s];
 var pts=allPoints(null,c.p);
 for(var v=0;v<VIEWS.length;v++){var fig=h('figure',{},null,views);var svg=makeSvg(m,VIEWS[v],v===2?420:340,pts);fig.appendChild(svg);h('figcaption',{},VIEWS[v].name,fig);
  drawRoom(svg,m,VIEWS[v],key);
  var p=el('path',{'class':'pipe clashpipe',d:pathOf(shapePolylines(c.p),VIEWS[v]),'stroke-width':Math.max(2,piece.od)},svg);}
}
function table(parent,rows,cls){var t=h('table',cls?{'class':cls}:{},null,parent);for(var i=0;i<rows.length;i++){var tr=h('tr',{},null,t);for(var j=0;j<rows[i].length;j++)h(i===0&&rows.length>1&&cls==='bends'?'th':'td',{},rows[i][j],tr);}return t;}
function renderPiece(sec){
 if(sec.getAttribute('data-drawn'))return;sec.setAttribute('data-drawn','1');
 var i=+sec.getAttribute('data-piece'),P=D.pieces[i],body=sec.querySelector('.body');
 if(P.why){h('h4',{},'Why',body);h('pre',{'class':'why'},P.why,body);}
 if(P.b.length){var rows=[['step','length','angle','radius']];for(var k=0;k<P.b.length;k++){var s=P.b[k];rows.push([s[0]===2?'bend '+((k+1)/2):'straight',s[1]+' '+D.units,s[0]===2?s[2]+'\u00b0':'',s[0]===2?s[3]+' '+D.units:'']);}table(body,rows,'bends');}
 if(P.cl.length){h('h4',{},'Clash report',body);h('pre',{'class':'clash'},P.cl.join('\n'),body);}
 if(P.c){var cb=h('div',{'class':'clashview'},null,body);h('h3',{},'First clash: '+P.c.l,cb);drawClash(cb,P,P.c);}
 for(var r=0;r<P.r.length;r++){var R=P.r[r];if(R.same!=null){var S=P.r[R.same];R.x=S.x;R.len=S.len;R.fp=S.fp;R.f=S.f;}var rb=h('div',{'class':'run','data-run':r},null,body);
  h('h3',{},'Run '+(r+1)+': score '+R.sc+', '+R.t,rb);
  if(!D.clash)h('p',{'class':'note'},'Clash checking was off for this job: the run was not tested against the room. The drawing shows each motion of its program.',rb);
  else if(R.x)h('p',{'class':'note'},'Replaying this run found a clash: '+R.x.l,rb);
  var cols=h('div',{'class':'cols'},null,rb);
  var drawing=h('div',{'class':'drawing'},null,cols);drawRunViews(drawing,P,R);
  var lines=(P.pg[r]||'').split('\n'),rows=[];for(var k=0;k<lines.length;k++){if(!lines[k])continue;var mm=/^(\S+)\s*(.*)$/.exec(lines[k]);rows.push([mm[1],mm[2]]);}
  table(cols,rows,'program');}
}
var secs=document.querySelectorAll('section.piece');
if(secs.length<=60||!('IntersectionObserver' in window)){for(var s=0;s<secs.length;s++)renderPiece(secs[s]);}
else{var io=new IntersectionObserver(function(es){es.forEach(function(e){if(e.isIntersecting){renderPiece(e.target);io.unobserve(e.target);}});},{rootMargin:'400px'});
 for(var s2=0;s2<secs.length;s2++)io.observe(secs[s2]);}
window.kwarelRender=renderPiece;
})();
)JS";

}  // namespace

void runsJson(const JobReport& report, const std::vector<ChosenRun>& runs, std::string& into) {
    Out out(into);
    std::size_t estimate = into.size() + 256;
    for (const ChosenRun& run : runs) estimate += 128 + 100 * run.frames.size() + 64 * run.pieces.size();
    out.reserve(estimate);
    out << '[';
    for (std::size_t r = 0; r < runs.size(); ++r) {
        const ChosenRun& run = runs[r];
        if (r > 0) out << ',';
        out << "{\"sc\":";
        out.number(run.score);
        std::string tools;
        if (!run.options.empty()) {
            const RunOption& first = run.options.front();
            tools = std::string("from the ") + (first.direction == 1 ? "START" : "FINISH") + " end on " +
                    report.machines[static_cast<std::size_t>(first.machine)].name + " with " +
                    report.benders[static_cast<std::size_t>(first.bender)].name;
        }
        out << ",\"t\":" << json(tools) << ",\"m\":";
        out.number(run.options.empty() ? 0 : run.options.front().machine);
        if (run.sameMotionsAs >= 0) {
            out << ",\"same\":";
            out.number(run.sameMotionsAs);
            out << '}';
            continue;
        }
        out << ",\"x\":";
        if (run.hasClash) {
            writeClash(out, run.clash);
        } else {
            out << "null";
        }
        out << ",\"len\":";
        out.mm(run.pipeLength);
        out << ",\"fp\":";
        writePieces(out, run.pieces);
        out << ",\"f\":[";
        for (std::size_t f = 0; f < run.frames.size(); ++f) {
            if (f > 0) out << ',';
            writeFrame(out, run.frames[f]);
        }
        out << "]}";
    }
    out << ']';
}

namespace {

struct Tally {
    int64_t passed = 0, failed = 0, straight = 0, programs = 0;
};

// The page head and the summary tiles.
void writeHeader(Out& out, const JobReport& report, const Tally& tally) {
    out << "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\">"
        << "<meta name=\"viewport\" content=\"width=device-width,initial-scale=1\">"
        << "<title>kwarel report " << html(report.pipeline) << "</title><style>" << kStyle
        << "</style></head><body>\n<header><h1>Bending plan: " << html(report.pipeline) << "</h1>"
        << "<div class=\"summary\" id=\"summary\">";
    auto tile = [&](const char* id, const char* label, int64_t value) {
        out << "<div id=\"" << id << "\"><b>";
        out.number(value);
        out << "</b>" << label << "</div>";
    };
    tile("sum-pieces", "cut pieces", static_cast<int64_t>(report.pieces.size()));
    tile("sum-passed", "passed", tally.passed);
    tile("sum-failed", "failed", tally.failed);
    tile("sum-straight", "straight, no bending", tally.straight);
    tile("sum-programs", "programs chosen", tally.programs);
    tile("sum-clash", "clash lines", report.clashLineTotal);
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.2f s", report.seconds);
    out << "<div id=\"sum-time\"><b>" << seconds << "</b>job time</div></div>"
        << "<p>Date " << html(report.date) << " &middot; lengths in " << (report.lengthUnits == 2 ? "INCH" : "MM")
        << " &middot; clash checking " << (report.options.DO_CLASH_CHECKING != 0 ? "on" : "off")
        << " &middot; drawings in millimetres, room coordinates: x along the feed line (0 at the bend head), "
           "y across it, z up from the floor</p></header>\n<main>\n";
}

// The links to the failed pieces and one section per cut piece, whose body
// the script draws.
void writeSections(Out& out, const JobReport& report, const Tally& tally) {
    if (tally.failed > 0) {
        out << "<nav><b>Failed:</b> ";
        for (std::size_t i = 0; i < report.pieces.size(); ++i) {
            if (report.pieces[i].record.failed != 1) continue;
            out << "<a href=\"#p" << std::to_string(i) << "\">" << html(report.pieces[i].record.cutId) << "</a> ";
        }
        out << "</nav>\n";
    }
    for (std::size_t i = 0; i < report.pieces.size(); ++i) {
        const PieceReport& piece = report.pieces[i];
        const CutPieceRecord& r = piece.record;
        const char* status = r.failed == 0 ? "PASS" : r.failed == 1 ? "FAIL" : "STRAIGHT";
        out << "<section class=\"piece " << status << "\" id=\"p" << std::to_string(i) << "\" data-piece=\""
            << std::to_string(i) << "\" data-status=\"" << status << "\" data-runs=\""
            << std::to_string(piece.runCount) << "\" data-clash=\"" << (piece.hasClash ? "1" : "0")
            << "\"><h2>CUT-ID " << html(r.cutId) << " &middot; SPOOL-ID " << html(r.spoolId) << "</h2><div>"
            << "PIPING-SPEC " << html(r.pipingSpec) << " &middot; ITEM-CODE " << html(r.itemCode) << " &middot; BORE "
            << html(std::to_string(static_cast<long long>(r.nominalBore))) << " &middot; "
            << std::to_string(r.bendCount) << (r.bendCount == 1 ? " bend" : " bends") << "</div><p class=\"status\">";
        if (r.failed == 0) {
            out << "PASS &middot; " << std::to_string(piece.runCount) << " runs produced";
        } else if (r.failed == 1) {
            out << "FAIL &middot; " << html(r.failureText);
        } else {
            out << "NO BENDING REQUIRED.";
        }
        out << "</p><div class=\"body\"></div></section>\n";
    }
}

// Each machine room once, in millimetres.
void writeMachines(Out& out, const JobReport& report) {
    out << "\"machines\":[";
    for (std::size_t m = 0; m < report.machines.size(); ++m) {
        const MachineRecord& machine = report.machines[m];
        if (m > 0) out << ',';
        out << "{\"n\":" << json(machine.name) << ",\"h\":";
        out.mm(machine.machineHeight);
        out << ",\"pit\":" << (machine.hasPit != 0 ? "1" : "0") << ",\"pd\":";
        out.mm(machine.pitDepth);
        out << ",\"pr\":";
        out.mm(machine.pitRadius);
        out << ",\"fr\":";
        out.mm(machine.frontRadius);
        out << ",\"w\":";
        out.mm(machine.bodyHalfWidth);
        out << ",\"l\":";
        out.mm(machine.leftWall);
        out << ",\"r\":";
        out.mm(machine.rightWall);
        out << ",\"f\":";
        out.mm(machine.frontWall);
        out << ",\"b\":";
        out.mm(machine.backWall);
        out << ",\"c\":";
        out.mm(machine.ceilingHeight);
        out << '}';
    }
    out << ']';
}

// One cut piece's page data: its steps, clash lines, the explanation of a
// failure, the first clash, its runs and their programs.
// The part of a cut piece's page data before its programs: its steps, clash
// lines, the explanation of a failure, the first clash, and the key of its
// runs, which follow.
void writePieceHead(Out& out, const JobReport& report, const PieceReport& piece) {
    out << "{\"od\":";
    out.mm(piece.record.outsideDiameter);
    out << ",\"b\":[";
    for (std::size_t s = 0; s < piece.steps.size(); ++s) {
        const StepInfo& step = piece.steps[s];
        if (s > 0) out << ',';
        out << '[';
        out.number(step.type);
        const std::string length = lengthText(report, step.length);
        out << ",\"" << length.substr(0, length.find(' ')) << "\",";
        out.number(step.bendAngle);
        const std::string radius = lengthText(report, step.bendRadius);
        out << ",\"" << radius.substr(0, radius.find(' ')) << "\"]";
    }
    out << "],\"cl\":[";
    for (std::size_t l = 0; l < piece.clashLines.size(); ++l) {
        if (l > 0) out << ',';
        out << json(piece.clashLines[l]);
    }
    out << "],\"why\":";
    if (piece.record.failed == 1) {
        out << json(explainPiece(report, piece));
    } else {
        out << "null";
    }
    out << ",\"c\":";
    if (piece.hasClash) {
        writeClash(out, piece.firstClash);
    } else {
        out << "null";
    }
    out << ",\"r\":";
}

// The rest of a cut piece's page data, after its runs: its programs.
void writePieceTail(Out& out, const PieceReport& piece, const std::vector<std::string>& programs,
                    std::size_t programCount) {
    out << ",\"pg\":[";
    for (std::size_t r = 0; r < static_cast<std::size_t>(piece.runCount); ++r) {
        if (r > 0) out << ',';
        out << json(r < programCount ? programs[r] : std::string());
    }
    out << "]}";
}

}  // namespace

void pieceDataHead(const JobReport& report, const PieceReport& piece, std::string& into) {
    Out out(into);
    writePieceHead(out, report, piece);
}

void pieceDataTail(const PieceReport& piece, std::string_view block, std::string& into) {
    Out out(into);
    out << ",\"pg\":";
    writeProgramsOfBlock(out, block, piece.runCount);
    out << '}';
}

namespace {

Tally tallyOf(const JobReport& report) {
    Tally tally;
    for (const PieceReport& piece : report.pieces) {
        if (piece.record.failed == 0) ++tally.passed;
        else if (piece.record.failed == 1) ++tally.failed;
        else ++tally.straight;
        tally.programs += piece.runCount;
    }
    return tally;
}

// The pieces' page data, each with the separator before it: copied whole from
// where it was kept when its block was at hand as the piece was drawn, else
// kept up to its programs (or not at all) and finished with the programs read
// back from the result file. Sets `error` and stops at the first failure.
void writePiecesData(Out& out, std::FILE* file, const JobReport& report,
                     const std::string& resultPath, std::string& error) {
    // Opened only when some piece's programs were not kept with its data.
    std::unique_ptr<ProgramReader> blocks;
    std::size_t blocksRead = 0;
    std::vector<std::string> programs;
    std::size_t programCount = 0;
    for (std::size_t i = 0; i < report.pieces.size(); ++i) {
        const int32_t piece = static_cast<int32_t>(i);
        const RunsData::Kept kept = report.runs.kept(piece);
        if (kept == RunsData::Kept::Whole) {
            // This piece and the whole ones after it in one copy.
            std::size_t next = i + 1;
            while (next < report.pieces.size() &&
                   report.runs.kept(static_cast<int32_t>(next)) == RunsData::Kept::Whole) {
                ++next;
            }
            out.flush();
            if (!report.runs.copyTo(piece, static_cast<int32_t>(next), file)) {
                error = "cannot read back the page data of the drawings";
                return;
            }
            i = next - 1;
            continue;
        }
        if (kept == RunsData::Kept::None && i > 0) out << ",\n";
        if (blocks == nullptr) blocks = std::make_unique<ProgramReader>(resultPath);
        for (; blocksRead < i; ++blocksRead) blocks->skip();
        blocks->next(programs, programCount);
        ++blocksRead;
        if (kept == RunsData::Kept::UpToPrograms) {
            out.flush();
            if (!report.runs.copyTo(piece, piece + 1, file)) {
                error = "cannot read back the page data of the drawings";
                return;
            }
        } else {
            writePieceHead(out, report, report.pieces[i]);
        }
        writePieceTail(out, report.pieces[i], programs, programCount);
    }
}

}  // namespace

bool writeHtmlReport(const JobReport& report, const std::string& resultPath, const std::string& path,
                     std::string& error) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        error = "cannot write " + path;
        return false;
    }
    const Tally tally = tallyOf(report);
    {
        Out out(file);
        writeHeader(out, report, tally);
        writeSections(out, report, tally);
        out << "</main>\n<script id=\"kwarel-data\" type=\"application/json\">{\"units\":"
            << json(report.lengthUnits == 2 ? "INCH" : "MM") << ",\"clash\":"
            << (report.options.DO_CLASH_CHECKING != 0 ? "1" : "0") << ',';
        writeMachines(out, report);
        out << ",\"pieces\":[";
        writePiecesData(out, file, report, resultPath, error);
        out << "]}</script>\n<script>" << kScript << "</script>\n</body></html>\n";
        out.flush();
        if (out.failed() && error.empty()) error = "cannot write " + path;
    }
    const bool closed = std::fclose(file) == 0;
    if (!closed && error.empty()) error = "cannot write " + path;
    return error.empty();
}

}  // namespace kwarel::cli
