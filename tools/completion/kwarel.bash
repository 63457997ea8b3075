# bash completion for kwarel
_kwarel() {
    local cur prev
    cur=${COMP_WORDS[COMP_CWORD]}
    prev=${COMP_WORDS[COMP_CWORD-1]}
    local command=""
    local i
    for ((i = 1; i < COMP_CWORD; i++)); do
        case ${COMP_WORDS[i]} in
            check|help|report|explain) command=${COMP_WORDS[i]}; break ;;
        esac
    done
    case $prev in
        --json|--database|--cut-pieces)
            COMPREPLY=($(compgen -f -- "$cur"))
            return ;;
    esac
    case $command in
        check)
            if [[ $cur == -* ]]; then
                COMPREPLY=($(compgen -W "--database --cut-pieces --strict --help" -- "$cur"))
            else
                COMPREPLY=($(compgen -f -- "$cur"))
            fi ;;
        help)
            COMPREPLY=($(compgen -W "check report explain help" -- "$cur")) ;;
        *)
            if [[ $cur == -* ]]; then
                COMPREPLY=($(compgen -W "--json --help --version -h -V" -- "$cur"))
            else
                COMPREPLY=($(compgen -W "check report explain help" -- "$cur") $(compgen -f -- "$cur"))
            fi ;;
    esac
}
complete -o filenames -F _kwarel kwarel
