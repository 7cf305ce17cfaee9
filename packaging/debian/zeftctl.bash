# bash completion for zeftctl(1).
# The commands, options and the values they take are read from zeftctl's own --help when
# Tab is pressed, so they are always those of the zeftctl installed: FILE options complete
# file names, PORT options the ports that `zeftctl ports` lists, {a,b} choices their words,
# "INT in [1 - 18]" its numbers.

# The lines of one section ("Options", "Subcommands", "Positionals") of a help text on
# standard input, without their indentation.
_zeftctl_section() {
    awk -v want="$1:" '/^[^ ]/ { inside = ($0 == want); next } inside && /^  [^ ]/ { sub(/^  /, ""); print }'
}

# What an option's help line says about its value: the type column, without the
# relations that CLI11 appends; empty for a flag.
_zeftctl_value_type() {
    local option=$1 help=$2 line names
    while IFS= read -r line; do
        names=${line%% *}
        if [[ ,$names, == *",$option,"* ]]; then
            line=${line#"$names"}
            line=${line%%  *}       # the description starts after two spaces
            line=${line%%Excludes:*}
            line=${line%%Needs:*}
            line=${line# }
            [[ $line == REQUIRED* ]] && line=""
            printf '%s\n' "$line"
            return 0
        fi
    done < <(_zeftctl_section Options <<<"$help")
    return 1
}

# COMPREPLY from a list of words, one a line, that may hold spaces (port names): those
# that begin with what is typed so far, quoted for the shell.
_zeftctl_reply_lines() {
    local word typed=${cur//\\/}
    typed=${typed#[\"\']}
    COMPREPLY=()
    while IFS= read -r word; do
        [[ -n $word && $word == "$typed"* ]] && COMPREPLY+=("$(printf '%q' "$word")")
    done
}

# The values an option of this type takes.
_zeftctl_complete_value() {
    local type=$1 low high
    case $type in
    *FILE*) _filedir ;;
    *PORT*)
        # `zeftctl ports` prints one name a line.
        _zeftctl_reply_lines < <("${words[0]}" ports 2>/dev/null)
        ;;
    *'{'*'}'*)
        local choices=${type#*\{}
        choices=${choices%%\}*}
        COMPREPLY=($(compgen -W "${choices//,/ }" -- "$cur"))
        ;;
    *'in ['*' - '*']'*)
        low=${type#*in \[}
        high=${low#* - }
        low=${low%% - *}
        high=${high%%\]*}
        COMPREPLY=($(compgen -W "$(seq "$low" "$high")" -- "$cur"))
        ;;
    esac
}

_zeftctl() {
    local cur prev words cword split
    _init_completion -s || return

    local command=("${words[0]}") help i
    help=$("${words[0]}" --help 2>/dev/null) || return
    # Down the subcommands named so far: "calc", then "shape".
    for ((i = 1; i < cword; i++)); do
        if _zeftctl_section Subcommands <<<"$help" | awk '{ print $1 }' | grep -qxF -- "${words[i]}"; then
            command+=("${words[i]}")
            help=$("${command[@]}" --help 2>/dev/null) || return
        fi
    done

    local type
    if [[ $prev == -* ]] && type=$(_zeftctl_value_type "$prev" "$help") && [[ -n $type ]]; then
        _zeftctl_complete_value "$type"
        return
    fi
    $split && return

    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$(_zeftctl_section Options <<<"$help" | awk '{ print $1 }' | tr ',' ' ')" -- "$cur"))
        [[ ${COMPREPLY-} == *= ]] && compopt -o nospace
        return
    fi
    local subcommands
    subcommands=$(_zeftctl_section Subcommands <<<"$help" | awk '{ print $1 }')
    if [[ -n $subcommands ]]; then
        COMPREPLY=($(compgen -W "$subcommands" -- "$cur"))
        return
    fi
    # A command's positional arguments: file names where it takes files.
    if _zeftctl_section Positionals <<<"$help" | grep -q 'FILE'; then
        _filedir
    fi
} && complete -F _zeftctl zeftctl
